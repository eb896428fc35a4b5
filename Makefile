# Two entry points: `make run` and `make test`. Both install what is missing,
# configure and build first, so they work on a fresh Debian 12 machine.
# `make sanitize` runs the tests built with ASan and UBSan in a build
# directory of its own; `make fuzz` runs each fuzzer for FUZZ_SECONDS.
BUILD ?= build
JOBS  ?= $(shell nproc)
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench sanitize fuzz clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./Plumeno

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The click latency plays into a PulseAudio null sink: the benchmark's own
# packages, not the game's.
bench: build
	@scripts/install-deps.sh pulseaudio pulseaudio-utils
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench/plumeno_bench

# The README's pictures, made by playing the real program offscreen; at twice
# the size, so they stay sharp on high-density displays.
.PHONY: screenshots
screenshots: build
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./screenshots "$(CURDIR)/docs/screens" 2

# Any sanitizer report fails its test, leaks included. The suite needs no
# leak suppression with Debian 12's Qt; should a library leak by design in a
# later one, its own frames go by name in tests/lsan-suppressions.txt, never
# a leak whose allocation runs through our code.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPLUMENO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	    ctest --output-on-failure -j $(JOBS)

fuzz:
	@scripts/install-deps.sh clang-14 libclang-rt-14-dev
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
