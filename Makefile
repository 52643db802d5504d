# Entry points: `make run` and `make test`. Both install what is missing first.
NATIVE  := build/native
RELEASE := build/release
WINDOWS := build/windows
JOBS    := 2

ZIP     := build/Zendrak-1.4-win64.zip

.PHONY: format check-format all deps native release windows help dist zip art puzzles test compare-fixed compare-library test-native test-win32 test-e2e test-data test-wine run bench clean fuzz fuzz-build test-fuzz

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

# The user manual, compiled from data/help.
help: deps
	bash scripts/build-help.sh $(WINDOWS)

# dist/Zendrak: the program and the data that ships beside it.
dist: windows help
	sh scripts/make-dist.sh $(WINDOWS)

# The folder a Windows player unzips and runs.
zip: dist
	bash scripts/make-zip.sh dist/Zendrak $(ZIP)

# Regenerates the skins, backgrounds, sounds and icons from their sources in tools/art.
art:
	python3 tools/art/make_all.py

# Regenerates the puzzle library from its drawings in tools/puzzles.
puzzles: release
	python3 tools/puzzles/make_library.py --zpz $(RELEASE)/zpz

# Every C++ file in the project's clang-format style; `make test` fails on a file that differs.
FORMATTED := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)
format: deps
	clang-format -i $(FORMATTED)
check-format: deps
	@clang-format --dry-run --Werror $(FORMATTED) && echo "format: $(words $(FORMATTED)) files as clang-format writes them"

# The fast native tests first, then the Windows program, the end-to-end scenarios and the rest.
# The optimised build takes the processor that the longest native tests leave idle, and the
# fuzz targets build while the Windows tests wait for their windows.
test: check-format native
	$(MAKE) --no-print-directory -j2 test-native release
	$(MAKE) --no-print-directory zip
	$(RELEASE)/zpz library data/Puzzles
	$(MAKE) --no-print-directory -j3 test-data compare-fixed compare-library
	$(MAKE) --no-print-directory -j2 test-wine fuzz-build
	$(MAKE) --no-print-directory test-fuzz

# The in-process Windows tests, then the scenarios: one at a time, they share the desktop.
test-wine:
	$(MAKE) --no-print-directory test-win32
	$(MAKE) --no-print-directory test-e2e

# The analysis search against the straightforward reference on the benchmark's positions and
# on every puzzle of the library (reference runs longer than the cap are not compared).
COMPARE_CAP := 0.5
compare-fixed compare-library: release
	@mkdir -p build
	@$(RELEASE)/zpz bench --cap $(COMPARE_CAP) $(if $(filter compare-library,$@),data/Puzzles/*/*.zpz) \
	    > build/$@.txt || { cat build/$@.txt; exit 1; }
	@echo "$@:"; tail -4 build/$@.txt

test-data:
	python3 tests/data/check_data.py --chm $(WINDOWS)/Zendrak.chm --zip $(ZIP) --sources

test-native:
	cd $(NATIVE) && ctest -j$(JOBS) --output-on-failure

test-win32:
	sh scripts/with-display.sh sh -c 'cd $(WINDOWS) && ctest --output-on-failure'

test-e2e:
	bash tests/e2e/run.sh
	bash tests/e2e/dpi.sh

run: dist
	sh scripts/run-game.sh

# The analysis search against the reference, then making new puzzles of each difficulty; each
# ends with the count time of the open 10 x 6. Then the main window's paint under Wine.
bench: release windows
	$(RELEASE)/zpz bench
	$(RELEASE)/zpz bench --generate --library data/Puzzles
	sh scripts/with-display.sh sh -c 'cd $(WINDOWS) && wine paint_bench.exe'

clean:
	rm -rf build dist

# libFuzzer runs of the file readers (tests/fuzz), built with clang++ apart from the other
# builds, each target for FUZZ_SECONDS, as many at once as there are processors; fails when
# any of them crashed.
FUZZ_SECONDS ?= 300
fuzz: fuzz-build
	@sh tests/fuzz/run.sh build/fuzz $(FUZZ_SECONDS)

fuzz-build: deps
	cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build build/fuzz -j$(JOBS)

test-fuzz: fuzz-build
	@sh tests/fuzz/run.sh build/fuzz 7
