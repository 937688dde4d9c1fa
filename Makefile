# Wellenlabor: `make run` builds and starts KETTLAB (`make run APP=paarlab` for
# PAARLAB); `make test` builds and runs every test headless, then again under
# AddressSanitizer and UndefinedBehaviorSanitizer; `make package` builds the
# Debian package wellenlabor_<version>_<arch>.deb in the build folder and
# the browser edition's wellenlabor-web.zip; `make web` builds the browser
# edition in build-web/.

APP   ?= kettlab
BUILD ?= build
ASAN  ?= build-asan
WEB   ?= build-web
JOBS  ?= 2

SANITIZER_ENV = QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Emscripten's optimizer runs under Node and needs its modules.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all deps build web run test test-release test-sanitize lint format bench soak measure package clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DWELLENLABOR_WEB_DIR=$(abspath $(WEB))
	cmake --build $(BUILD) -j $(JOBS)

web: deps
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB) -G Ninja -DCMAKE_BUILD_TYPE=Release
	$(EMSCRIPTEN_ENV) cmake --build $(WEB) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "Start it on a desktop, or in a virtual one:  xvfb-run -s '-screen 0 1024x768x24' make run APP=$(APP)"; \
	  exit 1; \
	fi
	./$(BUILD)/bin/$(APP)

test: test-release test-sanitize

test-release: build web
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWELLENLABOR_SANITIZE=ON -DWELLENLABOR_PACKAGE_TEST=OFF
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# The web shell's sources compile only for WebAssembly: clang-tidy reads them
# with the web build's commands and Emscripten's own system headers.
EMSCRIPTEN_SYSROOT = /usr/share/emscripten/cache/sysroot/include

lint: build web
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.hpp')
	run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet $$(git ls-files '*.cpp')
	run-clang-tidy -p $(WEB) -j $(JOBS) -quiet -extra-arg=--target=wasm32-unknown-emscripten -extra-arg=-nostdinc \
	  -extra-arg=-isystem$(EMSCRIPTEN_SYSROOT)/c++/v1 -extra-arg=-isystem$(EMSCRIPTEN_SYSROOT) $$(git ls-files 'web/*.cpp')

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

bench: build
	./$(BUILD)/bin/wellenlabor_bench

soak: build
	./$(BUILD)/bin/wellenlabor_soak

measure: build
	scripts/measure startup
	scripts/measure cpu

package: build web
	cd $(BUILD) && cpack
	rm -f $(BUILD)/wellenlabor-web.zip
	cd $(WEB) && /usr/bin/python3 -m zipfile -c $(abspath $(BUILD))/wellenlabor-web.zip \
	  kettlab.html paarlab.html index.html LIESMICH.txt

clean:
	rm -rf $(BUILD) $(ASAN) $(WEB)
