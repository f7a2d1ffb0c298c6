# The two ways in:
#   make run [SCRIPT=path.ql] [ARGS=...]   install what is missing, build, run a script
#   make test                   install what is missing, build, run every test
BUILD ?= build
SCRIPT ?= examples/hello.ql
# Extra interpreter arguments, e.g. ARGS=-v for the verbose log.
ARGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps configure build interpreter install screenshots bench sanitize fuzz fuzz-run fuzz-paint format

run: interpreter
	./$(BUILD)/quillo $(ARGS) $(SCRIPT)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The interpreter alone (the tests and tools are left for make test).
interpreter: configure
	cmake --build $(BUILD) --target quillo -j $(JOBS)

# Puts quillo on the PATH: PREFIX/bin/quillo, its manual page, the guide
# and examples in PREFIX/share/doc/quillo, the editor files in
# PREFIX/share/quillo/editors. PREFIX=~/.local needs no root.
PREFIX ?= /usr/local
install: interpreter
	cmake --install $(BUILD) --prefix $(PREFIX)

# Pictures of the graphics examples for the guide and the README, taken
# from the real programs on a virtual X server (docs/images/*.png).
screenshots: interpreter
	./scripts/screenshots $(BUILD)

# Benchmarks (not tests): see bench/README.md.
bench: build
	./bench/run.sh $(BUILD)
	python3 bench/compare.py --quillo $(BUILD)/quillo

# Every test again under the address and undefined-behaviour sanitizers.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# Coverage-guided fuzzing of the lexer and parser (clang's libFuzzer: Debian's
# clang and libclang-rt-14-dev, which make test does not need). Runs for
# FUZZ_SECONDS with the keyword and operator dictionary; new inputs gather in
# build-fuzz/corpus, crashing inputs in build-fuzz/artifacts. See
# tests/fuzz/README.md.
FUZZ_SECONDS ?= 60
FUZZ_MAX_LEN ?= 4096
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang++ and libFuzzer: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_FUZZ=ON -DQUILLO_TESTS=OFF
	cmake --build build-fuzz --target fuzz_parse -j $(JOBS)
	mkdir -p build-fuzz/corpus build-fuzz/artifacts
	./build-fuzz/fuzz_parse -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -timeout=10 \
	  -dict=tests/fuzz/quillo.dict -artifact_prefix=build-fuzz/artifacts/ \
	  build-fuzz/corpus tests/fuzz/corpus

# Coverage-guided fuzzing of the interpreter: each input is parsed and run,
# stopped after 1,000 loop turns and calls. The golden scripts and examples
# seed it; new inputs gather in build-fuzz/run-corpus, crashing inputs in
# build-fuzz/run-artifacts. What the scripts print is discarded
# (-close_fd_mask=3; crash reports still show). make fuzz-paint does the same
# with the drawing built-ins painting through SDL's software renderer.
fuzz-run: FUZZ_TARGET = fuzz_run
fuzz-paint: FUZZ_TARGET = fuzz_paint
fuzz-run fuzz-paint: deps
	@command -v clang++ >/dev/null || { echo "make $@ needs clang++ and libFuzzer: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_FUZZ=ON -DQUILLO_TESTS=OFF
	cmake --build build-fuzz --target $(FUZZ_TARGET) -j $(JOBS)
	mkdir -p build-fuzz/$(FUZZ_TARGET)-corpus build-fuzz/run-artifacts build-fuzz/run-seeds
	cp tests/interpreter/*.ql tests/builtins/*.ql tests/graphics/*.ql examples/*.ql build-fuzz/run-seeds/
	./build-fuzz/$(FUZZ_TARGET) -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -timeout=10 \
	  -close_fd_mask=3 -dict=tests/fuzz/quillo.dict -artifact_prefix=build-fuzz/run-artifacts/ \
	  build-fuzz/$(FUZZ_TARGET)-corpus tests/fuzz/run-corpus build-fuzz/run-seeds

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
