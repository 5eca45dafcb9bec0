#include "engine/parameters.h"

int nr_stages = 6;
int data_bytes = 3;

Start_pars get_start_pars() { return {&nr_stages, &data_bytes}; }

void apply_start_pars(int stages, int bytes)
{
    nr_stages = stages;
    data_bytes = bytes;
}
