// lista.txt files no editor would write: each must be read in well under a second.

#include <string>

#include <benchmark/benchmark.h>

#include "fakes/FakeText.h"
#include "menus/CustomMenuFile.h"

namespace {

using namespace kromelik;

void ReadListFile(benchmark::State& state, const std::string& bytes) {
  const fakes::FakeTextServices text;
  for (auto _ : state) {
    MenuItem internet{"InternetPM", ""};
    MenuItem& inne = internet.Add("MenuInne", "Inne");
    ParseCustomMenu(CustomMenuText(bytes, text), inne, internet, [](const MenuItem&) {});
    benchmark::DoNotOptimize(inne.Count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}

std::string HundredThousandLinks() {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "<item>Strona " + std::to_string(i) + "<url>http://x.pl\r\n";
  return bytes;
}

std::string MegabyteLines() {
  std::string bytes;
  for (int i = 0; i < 8; ++i)
    bytes += "<item>" + std::string(1 << 20, 'a') + "<url>" + std::string(1 << 20, 'b') + "\n";
  return bytes;
}

std::string TenThousandNested() {
  std::string bytes;
  for (int i = 0; i < 10000; ++i) bytes += "<menu>Poziom\n";
  bytes += "<item>dno<url>x\n";
  for (int i = 0; i < 10000; ++i) bytes += "</menu>\n";
  return bytes;
}

BENCHMARK_CAPTURE(ReadListFile, hundred_thousand_links, HundredThousandLinks())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadListFile, eight_lines_of_two_megabytes, MegabyteLines())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadListFile, ten_thousand_nested, TenThousandNested())
    ->Unit(benchmark::kMillisecond);

}  // namespace
