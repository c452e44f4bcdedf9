# Two set-up commands for a fresh Debian/Ubuntu machine: `make run` and `make test`.
NATIVE := build/native
WINDOWS := build/windows
FUZZ := build/fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps deps-native deps-windows deps-fuzz native windows fuzz run test test-native test-windows test-fuzz screenshot bench bench-hit-heavy dist clean

all: native windows

# each tree installs only its own set (scripts/install-deps.sh names them)
deps: deps-native deps-windows deps-fuzz

deps-native deps-windows deps-fuzz:
	@scripts/install-deps.sh $(@:deps-%=%)

# order-only on the tree's set: cmake and the compilers must be there first, even with make -j
$(NATIVE)/build.ninja: | deps-native
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(WINDOWS)/build.ninja: | deps-windows
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake

$(FUZZ)/build.ninja: | deps-fuzz
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIVREL_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

native: deps-native $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

windows: deps-windows $(WINDOWS)/build.ninja
	cmake --build $(WINDOWS) -j $(JOBS)

# libFuzzer targets for config.txt, pokemon.dat and the number conversions
fuzz: deps-fuzz $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS)

# the script checks for a display first, then installs, builds Kivrel.exe and runs it
run:
	@scripts/run-kivrel.sh

screenshot: windows
	@scripts/screenshot.sh

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

# one at a time: the programs share one screen, and the timer's tests need the
# machine's time; a test still running after 5 minutes has hung and fails
test-windows: windows
	@scripts/with-wine.sh ctest --test-dir $(WINDOWS) --output-on-failure --timeout 300

# each fuzz target for about 20 s from the committed corpus
test-fuzz: fuzz
	cd $(FUZZ) && ctest --output-on-failure -j $(JOBS)

# every test run always runs; the result fails when any failed
test: native windows fuzz
	@status=0; \
	$(MAKE) --no-print-directory test-native || status=1; \
	$(MAKE) --no-print-directory test-windows || status=1; \
	$(MAKE) --no-print-directory test-fuzz || status=1; \
	exit $$status

# only what the archive holds: the two programs and the species table beside them
dist: deps-windows $(WINDOWS)/build.ninja
	cmake --build $(WINDOWS) -j $(JOBS) --target Kivrel Kivrel-fixed pokemon_dat
	@scripts/make-dist.sh $(WINDOWS)

# engine against the straightforward searches; pick some with BENCH_ARGS=--benchmark_filter=Default;
# then the cross-built engine and the Windows program's own figures under Wine
BENCH_ARGS ?=
bench: native windows
	$(NATIVE)/core_bench --benchmark_counters_tabular=true --benchmark_report_aggregates_only=true $(BENCH_ARGS)
	@scripts/with-wine.sh sh -c 'wine $(WINDOWS)/wine_engine_bench.exe && wine $(WINDOWS)/wine_bench.exe'

# the seed search that writes 17.5 GiB (every frame a hit) into HIT_HEAVY_DIR,
# against its formatting alone in memory; needs that much free disk
HIT_HEAVY_DIR ?= build/hit-heavy
bench-hit-heavy: native
	mkdir -p $(HIT_HEAVY_DIR)
	KIVREL_BENCH_HIT_HEAVY=$(abspath $(HIT_HEAVY_DIR)) $(NATIVE)/core_bench --benchmark_counters_tabular=true \
		--benchmark_filter=HitHeavy

clean:
	rm -rf build dist
