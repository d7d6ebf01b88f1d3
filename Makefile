# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Release
DIST = $(abspath $(BUILD))/dist

.PHONY: all deps build build-x64 build-x86 run test test-x86 check bench dist dist-check clean

all: build

deps:
	@scripts/install-deps.sh

build: build-x64 build-x86

CONFIGURE_X64 = cmake -S . -B $(BUILD)/x64 -DOCULARIX_TESTS=ON $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x64.cmake -DOCULARIX_DIST_DIR=$(DIST) >/dev/null

build-x64: deps
	@$(CONFIGURE_X64)
	@cmake --build $(BUILD)/x64

build-x86: deps
	@cmake -S . -B $(BUILD)/x86 -DOCULARIX_TESTS=ON $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86.cmake -DOCULARIX_DIST_DIR=$(DIST) >/dev/null
	@cmake --build $(BUILD)/x86

run: build-x64
	@scripts/run.sh $(BUILD)

# The release: build/dist/Ocularix-<version>-x86.zip (the primary download),
# the -x64.zip and SHA256SUMS.
dist: build-x64 build-x86
	@rm -rf $(DIST)
	@cmake --build $(BUILD)/x86 --target ocularix_zip
	@cmake --build $(BUILD)/x64 --target ocularix_zip
	@cd $(DIST) && sha256sum *-x86.zip *-x64.zip >SHA256SUMS

# Builds HEAD twice in two temporary folders and compares the bytes (slow).
dist-check: deps
	@scripts/dist-check.sh

test: dist
	@scripts/test.sh $(BUILD)

# The x86 build's test programs under 32-bit Wine, through qemu's user-mode
# emulator in an i386 Debian root kept in /var/cache/ocularix-x86 (slow: run for
# every release). TESTS="settings_test tracking_test" runs only those.
test-x86: build-x86
	@scripts/test-x86.sh $(BUILD) $(TESTS)

# The unit tests alone (the window-free code), built and run in seconds after a build.
check: deps
	@$(CONFIGURE_X64)
	@cmake --build $(BUILD)/x64 --target unit_tests
	@scripts/check.sh $(BUILD)

bench: build-x64
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
