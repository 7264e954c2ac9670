// The baseline the benchmarks of files are measured against, in the same run: one std::fread of
// the whole file.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The whole file in one call, into a buffer made ready beforehand.
inline void ReadRaw(const std::string& path, std::string& buffer) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), in));
  std::fclose(in);
}

// Seconds one raw read of the file takes, the mean over a fifth of a second of reads.
inline double RawSeconds(const std::string& path) {
  std::string buffer(1 << 21, '\0');
  long reads = 0;
  const auto start = std::chrono::steady_clock::now();
  while (SecondsSince(start) < 0.2) {
    ReadRaw(path, buffer);
    ++reads;
  }
  return SecondsSince(start) / static_cast<double>(reads);
}
