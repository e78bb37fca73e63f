# make run              set up, build the calendar, its library and the CLI, start it
# make test             set up, build everything and run every test
# make bench            set up, build and run the benchmarks
# make install          install into PREFIX (default /usr/local); DESTDIR is honoured
# make package          build the Debian package (build/orvanto_<version>_<arch>.deb)
# make fuzz             build the libFuzzer targets (clang) and run each FUZZ_SECONDS
# make test-sanitize    every test under AddressSanitizer and UBSan
# make check-generated  regenerate every generated source and compare it with
#                       the committed one (DATA: the published tables)
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
DATA ?= ../shared/data
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
PROGRAMS = orvanto orvanto-cli cities

.PHONY: all deps configure build programs run test bench install package fuzz test-sanitize check-generated clean

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

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_CXX_COMPILER=clang++ -DORVANTO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTO_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/sanitizer-suppressions.txt:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

check-generated:
	tools/check-generated $(DATA)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
