# make run      set up, build the calendar, its library and the CLI, start it
# make test     set up, build everything and run every test
# make bench    set up, build and run the benchmarks
# make install  install into PREFIX (default /usr/local); DESTDIR is honoured
# make package  build the Debian package (build/orvanto_<version>_<arch>.deb)
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
PROGRAMS = orvanto orvanto-cli cities

.PHONY: all deps configure build programs run test bench install package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target $(PROGRAMS)

run: programs
	$(BUILD)/bin/orvanto

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target orvanto_bench
	$(BUILD)/bin/orvanto_bench

install: programs
	cmake --build $(BUILD) --target manual_pages
	cmake --install $(BUILD) --prefix $(PREFIX)

package: programs
	cmake --build $(BUILD) --target manual_pages
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
