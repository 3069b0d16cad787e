# Tarnwick: `make run` builds and starts the program, `make test` builds and runs every test.
# Both first install whatever Debian packages are missing (as root, or through sudo).

PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
BUILD      := build
BUILD_SAN  := build-san
BUILD_FUZZ := build-fuzz
FUZZ_TIME  ?= 30
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-plain test-san test-fuzz bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(BUILD_SAN)/build.ninja:
	cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON -DTARNWICK_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/tarnwick

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-san: deps $(BUILD_SAN)/build.ninja
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The property-list fuzzer: clang's libFuzzer with ASan and UBSan, built apart from the
# Qt project, run from the two example lists; any crash it finds fails the target and
# leaves its input in $(BUILD_FUZZ)/artifacts/.
$(BUILD_FUZZ)/build.ninja:
	cmake -S tests/fuzz -B $(BUILD_FUZZ) -G Ninja -DCMAKE_CXX_COMPILER=clang++

test-fuzz: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	mkdir -p $(BUILD_FUZZ)/corpus $(BUILD_FUZZ)/artifacts
	cp tests/fuzz/corpus/* $(BUILD_FUZZ)/corpus/
	@echo "Fuzzing the property-list reader for $(FUZZ_TIME) s (log: $(BUILD_FUZZ)/fuzz.log)"
	@UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(BUILD_FUZZ)/property_list_fuzz -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	  -dict=tests/fuzz/property_names.dict -artifact_prefix=$(BUILD_FUZZ)/artifacts/ \
	  $(BUILD_FUZZ)/corpus >$(BUILD_FUZZ)/fuzz.log 2>&1 \
	  || { tail -n 60 $(BUILD_FUZZ)/fuzz.log; echo "property_list_fuzz found a crash"; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' $(BUILD_FUZZ)/fuzz.log

test: test-fuzz test-plain test-san

bench: build
	./$(BUILD)/bench/tarnwick_bench

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
