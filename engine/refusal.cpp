#include "engine/refusal.h"

#include "engine/par_rows.h"

std::string Refusal::message() const
{
    return std::string(par_rows[static_cast<size_t>(row)].name) + " = " + problem;
}
