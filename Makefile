# Two entry points: `make run` and `make test`. Both install what is missing,
# configure and build first, so they work on a fresh Debian 12 machine.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

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

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench/plumeno_bench

# The README's pictures, made by playing the real program offscreen; at twice
# the size, so they stay sharp on high-density displays.
.PHONY: screenshots
screenshots: build
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./screenshots "$(CURDIR)/docs/screens" 2

clean:
	rm -rf $(BUILD)
