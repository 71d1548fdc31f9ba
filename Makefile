# Jubilo: `make run` builds and starts the program, `make test` builds and
# runs every test headless. Both install the Debian packages they need first.

BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

# CI treats every compiler warning as an error.
ifeq ($(CI),true)
CMAKE_FLAGS += -DJUBILO_WARNINGS_AS_ERRORS=ON
endif

# The engine's and the file layer's tests run a second time, built with
# AddressSanitizer and UndefinedBehaviorSanitizer, in a build of their own.
# Warnings are not errors there: the instrumentation makes GCC report
# "may be used uninitialized" where nothing is; the main build compiles the
# same sources with warnings as errors.
SANITIZE_DIR ?= build-sanitize

.PHONY: all deps configure build run test test-sanitized bench clean fuzz package

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	./$(BUILD_DIR)/jubilo

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel $(JOBS)
	$(MAKE) test-sanitized

test-sanitized: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJUBILO_SANITIZE=ON \
		-DJUBILO_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure --parallel $(JOBS)

# A Debian package of the program, made by CPack: $(BUILD_DIR)/jubilo_*.deb
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	bash scripts/run-benchmarks.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)

# Coverage-guided fuzzing with clang's libFuzzer, in a build directory of its
# own: `make fuzz` builds each target of FUZZ_TARGETS in turn and runs it for
# FUZZ_SECONDS (`make fuzz FUZZ_SECONDS=600` for longer runs). An entry is
# target:folder of its committed seeds; a target the tree does not have is
# passed over. New inputs go to $(FUZZ_DIR)/fuzz_corpus/<target>; the seeds
# stay as they are. A crash leaves its input as <target>-crash-* in the
# current directory.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 120
FUZZ_TARGETS = \
	xls_read_fuzzer:tests/spreadsheet/xls/fuzz_corpus \
	xls_import_fuzzer:tests/spreadsheet/io/fuzz_corpus \
	table_text_fuzzer:tests/plan/fuzz_corpus \
	settings_file_fuzzer:tests/platform/fuzz_corpus \
	page_layout_fuzzer:

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DJUBILO_FUZZ=ON -DJUBILO_BUILD_TESTS=OFF -DJUBILO_BUILD_BENCHMARKS=OFF
	JOBS=$(JOBS) bash scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)
