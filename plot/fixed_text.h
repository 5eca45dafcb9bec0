#pragma once
#include <string>
std::string fixed_text(double v, int precision, int digits);
