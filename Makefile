# Two commands do everything on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build build-x64 build-x86 run test bench clean

all: build

deps:
	@scripts/install-deps.sh

build: build-x64 build-x86

build-x64: deps
	@cmake -S . -B $(BUILD)/x64 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x64.cmake >/dev/null
	@cmake --build $(BUILD)/x64

build-x86: deps
	@cmake -S . -B $(BUILD)/x86 $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86.cmake >/dev/null
	@cmake --build $(BUILD)/x86

run: build-x64
	@scripts/run.sh $(BUILD)

test: build-x64 build-x86
	@scripts/test.sh $(BUILD)

bench: build-x64
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
