# Entry points: `make run` and `make test`. Both install what is missing first.
NATIVE  := build/native
RELEASE := build/release
JOBS    := 2

.PHONY: all deps native release test run bench clean

all: native release

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

test: native release
	$(RELEASE)/zpz library data/Puzzles
	cd $(NATIVE) && ctest -j$(JOBS) --output-on-failure

run: release
	@echo "Zendrak.exe, the Windows game, is not part of the build yet; the game core,"
	@echo "its tests and the puzzle tool are. Meanwhile the analysis search runs here:"
	$(RELEASE)/zpz solve --time "data/Puzzles/Tutorial/move a figure.zpz"

bench: release
	$(RELEASE)/solver_bench

clean:
	rm -rf build
