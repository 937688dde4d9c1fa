# Wellenlabor: `make run` builds and starts KETTLAB (`make run APP=paarlab` for
# PAARLAB); `make test` builds and runs every test headless; `make package`
# builds the Debian package wellenlabor_<version>_<arch>.deb in the build folder.

APP   ?= kettlab
BUILD ?= build
JOBS  ?= 2

.PHONY: all deps build run test bench package clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "Start it on a desktop, or in a virtual one:  xvfb-run -s '-screen 0 1024x768x24' make run APP=$(APP)"; \
	  exit 1; \
	fi
	./$(BUILD)/bin/$(APP)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bin/wellenlabor_bench

package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
