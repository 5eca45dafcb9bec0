#include "engine/parameters.h"

#include "analog/analog_mod.h"
#include "engine/static_objects.h"

int nr_stages = 6;
int data_bytes = 3;

Start_pars get_start_pars() { return {&nr_stages, &data_bytes}; }

const std::array<float*, par_count>& get_analog_pars() { return analog_mod.par_table; }

Analog_pars& analog_pars() { return analog_mod; }

void apply_start_pars(int stages, int bytes)
{
    nr_stages = stages;
    data_bytes = bytes;
}
