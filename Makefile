# make run   - installs what is missing, builds and starts the station
# make test  - installs what is missing, builds and runs every test
# make bench - builds and runs the benchmarks
# make package - builds the Debian package scara-station_<version>_<arch>.deb in the build folder
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/scara-station

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	cmake --build $(BUILD) --target bench-all
	scripts/run-benchmarks $(BUILD)

package: build
	cmake --build $(BUILD) --target package
	@ls -1 $(BUILD)/*.deb

clean:
	rm -rf $(BUILD)
