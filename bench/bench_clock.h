#pragma once
// Wall-clock time for the Windows benchmarks, from the performance counter.
namespace bench {

double NowSeconds();

}  // namespace bench
