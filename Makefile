# Two commands set everything up on a fresh Debian machine:
#   make run    installs what is missing, builds, runs the program
#   make test   installs what is missing, builds, runs every test
# and two more for installing it:
#   make package       the Debian package, in PACKAGE_DIR
#   make test-package  installs that package into a clean Debian root and runs it
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# The tests wait on lines and timers far more than they compute (the whole
# suite uses about a quarter of its wall time in CPU), so twice as many run
# at once as there are cores.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test clean bench screenshot style

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds only the three programs the demo runs.
run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target Dorvane_QX dorvane dorvane-sim
	@scripts/run-demo $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(TEST_JOBS) --timeout 600
	@$(MAKE) --no-print-directory fuzz-smoke

# PNG screenshots of the windows, rendered under Xvfb, in BUILD_DIR/screenshots.
screenshot: configure
	@scripts/screenshots $(BUILD_DIR)

# The style gate: every C++ file formatted by .clang-format, and no clang-tidy
# finding on src/ beyond scripts/tidy-baseline.txt (see .clang-tidy).
style: build
	@scripts/style-gate $(BUILD_DIR)

bench: build
	@scripts/run-benchmarks $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# Windows: cross-built with mingw-w64 into WIN_DIR, tried under Wine. The
# libraries come from scripts/build-windows-deps, run once beforehand.
.PHONY: windows test-windows screenshot-windows
WIN_DIR ?= build-win

windows:
	@scripts/install-windows-deps
	@scripts/build-windows $(WIN_DIR)

# The simulated STB of the Linux build stands behind Wine's COM port.
test-windows: windows configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target dorvane-sim
	@scripts/test-windows $(WIN_DIR) $(BUILD_DIR)

screenshot-windows: windows configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target dorvane-sim
	@scripts/test-windows $(WIN_DIR) $(BUILD_DIR) --screenshot-only

# Sanitizer builds run the whole suite in trees of their own.
.PHONY: test-asan test-tsan fuzz fuzz-build fuzz-smoke
ASAN_DIR ?= build-asan
TSAN_DIR ?= build-tsan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 10

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_SANITIZE=address $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 900

test-tsan: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_SANITIZE=thread $(CMAKE_FLAGS)
	cmake --build $(TSAN_DIR) -j $(JOBS)
	cd $(TSAN_DIR) && TSAN_OPTIONS=halt_on_error=1:die_after_fork=0:suppressions=$(CURDIR)/tests/sanitizer/tsan.supp \
	  ctest --output-on-failure -j $(JOBS) --timeout 900

$(FUZZ_DIR)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_FUZZ=ON

fuzz-build: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS)

# Each target for FUZZ_SECONDS; findings land in build-fuzz/findings.
fuzz: fuzz-build
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SMOKE_SECONDS)

# The Debian package, built in a tree of its own with Debian's hardening
# flags; scripts/build-package checks it (desktop entry, metainfo, lintian).
.PHONY: package test-package
PACKAGE_DIR ?= build-package

package: deps
	@scripts/install-package-deps
	@scripts/build-package $(PACKAGE_DIR)

# Installs the package with apt-get into a fresh Debian root (made once with
# mmdebstrap, kept in PACKAGE_DIR/root-cache) and runs it there.
test-package: package
	@scripts/test-package $(PACKAGE_DIR)
