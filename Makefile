# The two commands of the README: `make run` builds and starts the program, `make test` builds
# and runs every test. Both install the Debian packages they need first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: run test build deps test-asan fuzz

deps:
	@scripts/deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)/run

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a
# second build folder. Any report fails the test that caused it; scripts/lsan.supp names the leaks
# of the libraries underneath that are not ours. A report ends the program with status 86, which
# no test expects (the headless driver's own statuses are 0 to 4). The build needs the same
# environment, as it runs the test programs to list their tests.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:exitcode=86 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=86 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure --timeout 300 -j $(JOBS)

# Every fuzz target of fuzz/ once over its seed corpus (fuzz/run.sh TARGET SECONDS fuzzes one).
fuzz: deps
	@JOBS=$(JOBS) fuzz/run.sh
