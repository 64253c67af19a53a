// The benchmarks the driver can run; each writes its rows and notes to the results folder and
// returns the driver's exit status (0 when every run worked, whether or not the goals were met).
#pragma once

#include "bench/Options.h"

int RunUploadBench(const Options& options);
int RunCheckBench(const Options& options);
int RunConvertBench(const Options& options);
int RunStartupBench(const Options& options);
