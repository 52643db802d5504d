# Entry points: `make run` and `make test`. Both install what is missing first.
NATIVE  := build/native
RELEASE := build/release
WINDOWS := build/windows
JOBS    := 2

.PHONY: all deps native release windows dist test test-native test-win32 test-e2e run bench clean

all: native release windows

deps:
	@sh scripts/ensure-deps.sh

# The core and its unit tests, with AddressSanitizer and UndefinedBehaviorSanitizer.
native: deps
	cmake -S . -B $(NATIVE) -DZENDRAK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(NATIVE) -j$(JOBS)

# Optimised tools: zpz and the benchmarks.
release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE) -j$(JOBS)

# Zendrak.exe and its in-process tests, cross-compiled with MinGW-w64.
windows: deps
	cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake
	cmake --build $(WINDOWS) -j$(JOBS)

# dist/Zendrak: the program and the data that ships beside it.
dist: windows
	sh scripts/make-dist.sh $(WINDOWS)

test: release dist native
	$(RELEASE)/zpz library data/Puzzles
	$(MAKE) --no-print-directory test-win32 test-e2e test-native

test-native:
	cd $(NATIVE) && ctest -j$(JOBS) --output-on-failure

test-win32:
	sh scripts/with-display.sh sh -c 'cd $(WINDOWS) && ctest --output-on-failure'

test-e2e:
	bash tests/e2e/run.sh

run: dist
	sh scripts/run-game.sh

bench: release
	$(RELEASE)/solver_bench

clean:
	rm -rf build dist
