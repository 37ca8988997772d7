# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test fuzz release bench package package-check format clean screenshots windows test-windows

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENMOOR_SANITIZE=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# What a user runs: the optimised build, not the sanitizer build of the tests.
run: release
	BUILD_DIR=build-release ./scripts/run-main

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Fuzz targets need clang; they get a build tree of their own, instrumented
# throughout, which builds the programs and the targets but not the tests.
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBRENMOOR_FUZZ=ON -DBRENMOOR_GUI=OFF \
	  -DBRENMOOR_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS)
	./scripts/run-fuzzers build-fuzz $${FUZZ_SECONDS:-60}

# The optimised build without sanitizers: what users run. CI builds it too,
# so a warning that only the optimiser raises cannot slip through. -O2: GCC
# 12 raises false array-bounds and restrict errors at -O3.
release: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENMOOR_SANITIZE=OFF -DBRENMOOR_BENCH=ON -DBRENMOOR_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build build-release -j $(JOBS)

# Benchmarks measure that build.
bench: release
	./scripts/run-benchmarks build-release

# The Debian package of the release build (stripped), then its checks in a
# scratch root: the machine's /usr is never touched.
package: release
	cd build-release && cpack
package-check: package
	./scripts/check-package build-release/brenmoor_*.deb

# The core, the command line and the core's suites for 64-bit Windows,
# cross-built with MinGW-w64 in a tree of their own (no Qt, so no window).
# The target's libraries are built into $(WINDOWS_DIR)/deps first. -O2: see
# release.
WINDOWS_DIR ?= build-windows
windows: deps
	./scripts/build-windows-deps $(WINDOWS_DIR)/deps
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DBRENMOOR_WINDOWS_PREFIX=$(CURDIR)/$(WINDOWS_DIR)/deps -DBRENMOOR_GUI=OFF $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)

# Those suites under Wine, and the Windows command line end to end against
# this machine's simulated gateway (from $(BUILD_DIR)).
test-windows: windows configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target brenmoor-gateway-sim brenmoor-cli
	./scripts/test-windows $(WINDOWS_DIR) $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-fuzz build-release build-windows
