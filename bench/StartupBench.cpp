// What every start and every menu build pays for in the core: the registration check
// with the options read, and path marker expansion.

#include <benchmark/benchmark.h>

#include "core/Csidl.h"
#include "core/Settings.h"
#include "core/WspolneFunkcje.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeText.h"

namespace {

using namespace kromelik;

void RegisterAndReadOptionsOfAConfiguredProgram(benchmark::State& state) {
  fakes::FakeRegistry registry;
  fakes::FakeFileSystem files;
  fakes::FakeProgramFile program;
  fakes::FakeFileInformation fileInformation;
  fakes::FakeTextServices text;
  files.AddFile(program.path);
  RegisterAndReadOptions(registry, files, program, fileInformation, text);
  for (auto _ : state)
    benchmark::DoNotOptimize(RegisterAndReadOptions(registry, files, program, fileInformation, text));
}
BENCHMARK(RegisterAndReadOptionsOfAConfiguredProgram);

void ExpandPathVariablesOfACommandLine(benchmark::State& state) {
  fakes::FakeShellFolders folders;
  fakes::FakeTextServices text;
  folders.folders[csidl::kProfile] = "C:\\Users\\Łucja";
  for (auto _ : state)
    benchmark::DoNotOptimize(
        ExpandPathVariables("%USERPROFILE%\\Moje dokumenty\\Gry\\Żółw\\ŻÓŁW.EXE", folders, text));
}
BENCHMARK(ExpandPathVariablesOfACommandLine);

}  // namespace
