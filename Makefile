# make run   set up, build and start the calendar
# make test  set up, build and run every test
# make bench set up, build and run the benchmarks
# make check-generated  regenerate every generated source and compare it with
#                       the committed one (DATA: the published tables)
BUILD ?= build
DATA ?= ../shared/data
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench check-generated clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/orvanto

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/orvanto_bench

check-generated:
	tools/check-generated $(DATA)

clean:
	rm -rf $(BUILD)
