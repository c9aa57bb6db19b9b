# The project's commands. Each one first installs what the machine lacks.
SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
NATIVE_DIR := $(BUILD_DIR)/native
SANITIZE_DIR := $(BUILD_DIR)/native-sanitize
WINDOWS_DIR := $(BUILD_DIR)/windows
FUZZ_DIR := $(BUILD_DIR)/fuzz
DIST_DIR := $(BUILD_DIR)/dist
FUZZ_SECONDS ?= 300
JOBS ?= $(shell nproc)

.PHONY: all deps native native-sanitize build dist fuzz-build fuzz run test bench soak clean

all: build

deps:
	@bash scripts/install-deps.sh

# The portable core and its unit tests, with the machine's own compiler.
native: deps
	@cmake -S . -B $(NATIVE_DIR) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE_DIR) -j$(JOBS)

# The same core and unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a directory of their own so the ordinary build stays uninstrumented.
native-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DKROMELIK_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)

# kromelik.exe and the Windows tests, cross-compiled for 64-bit Windows. Optimised for
# size: a waiting strip keeps all of its code resident, and under Wine the time of a
# click goes to the system's calls, not to the program's own code.
build: deps
	@cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	       -DCMAKE_BUILD_TYPE=MinSizeRel -DKROMELIK_DIST_DIR=$(abspath $(DIST_DIR)) >/dev/null
	@cmake --build $(WINDOWS_DIR) -j$(JOBS)

# What a Windows user downloads, in build/dist: the per-user installer (NSIS) and the
# portable archive, both named by the version.
dist: build
	@cmake --build $(WINDOWS_DIR) --target dist

# The lista.txt parser under libFuzzer with ASan and UBSan. libFuzzer comes with Clang,
# which no other build uses, so it is a project and a directory of its own.
fuzz-build: deps
	@cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS)

# Fuzzes for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=3600); make test fuzzes for 30.
fuzz: fuzz-build
	@bash fuzz/run.sh $(FUZZ_SECONDS)

run: build
	@bash scripts/run.sh

# The installer's test installs what make dist made.
test: native native-sanitize fuzz-build build dist
	@bash scripts/test.sh

# Benchmarks want an optimised core, so they have a build of their own.
bench: build
	@cmake -S . -B $(BUILD_DIR)/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD_DIR)/bench -j$(JOBS) --target core_bench
	@bash scripts/bench.sh

# Weeks of use in a few minutes (not part of test): fails when the program's memory or the
# objects it holds grow. SOAK_MENUS, SOAK_SLIDES, SOAK_DIALOGS, SOAK_SCREENS shorten it.
soak: build
	@bash scripts/soak.sh

clean:
	@if [ -d $(BUILD_DIR)/wine ]; then bash -c 'source scripts/wine-env.sh; for p in $(BUILD_DIR)/wine/*prefix; do WINEPREFIX=$$PWD/$$p $$WINESERVER -k 2>/dev/null; done; true'; fi
	rm -rf $(BUILD_DIR)
