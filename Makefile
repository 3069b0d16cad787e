# Tarnwick: `make run` builds and starts the program, `make test` builds and runs every test.
# Both first install whatever Debian packages are missing (as root, or through sudo): `make run`,
# `make build` and `make install` only what the program needs, the test targets also their tools.

# What building, running and installing the program need.
PACKAGES_PROGRAM  := g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev
# What the tests, the Debian package and the benchmarks need on top.
PACKAGES_TESTS    := libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev \
                     python3 xvfb xdotool x11-utils imagemagick openbox xclip \
                     desktop-file-utils tesseract-ocr dpkg-dev lintian qt6-base-private-dev \
                     qt6ct dbus at-spi2-core python3-pyatspi
# What `make test-debian13` needs to make its Debian 13 root.
PACKAGES_DEBIAN13 := debootstrap
BUILD      := build
BUILD_SAN  := build-san
BUILD_FUZZ := build-fuzz
FUZZ_TIME  ?= 30
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
MAINTAINER ?=
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps-program deps-tests deps-debian13 build build-tests run install package test \
        test-plain test-san test-fuzz test-e2e test-debian13 bench docs-screenshots clean

all: build

# $(call install_missing,<packages>): installs those of the packages that are missing.
define install_missing
@missing=""; for p in $(1); do \
  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
  echo "Installing:$$missing"; \
  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
fi
endef

deps-program:
	$(call install_missing,$(PACKAGES_PROGRAM))

# After the program's packages, so that `make -j` never runs two apt-gets at once.
deps-tests: deps-program
	$(call install_missing,$(PACKAGES_TESTS))

# $(call configure,<folder>,<cmake options>[,<line its cache must hold>]): configures the
# folder when it is not yet, or when its cache lacks that line.
configure = [ -f $(1)/build.ninja ] $(if $(3),&& grep -qx '$(3)' $(1)/CMakeCache.txt) \
            || cmake -B $(1) $(2)
BUILD_OPTIONS     := -S . -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
BUILD_SAN_OPTIONS := -S . -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON \
                     -DTARNWICK_TESTS=ON -DTARNWICK_BENCH=OFF
TESTS_ON          := TARNWICK_TESTS:BOOL=ON

# $(BUILD) holds the program alone until a test target turns its tests on (explicitly, so that
# a missing GoogleTest stops `make test` instead of leaving the tests out); they then stay on,
# so that `make run` after `make test` neither reconfigures nor drops them, and `make test`
# after `make run` only adds them, neither needing `make clean`.
build: deps-program
	@$(call configure,$(BUILD),$(BUILD_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS)

build-tests: deps-tests
	@$(call configure,$(BUILD),$(BUILD_OPTIONS) -DTARNWICK_TESTS=ON,$(TESTS_ON))
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/tarnwick

# Installs the program, its page, its desktop entry and its icon under $(PREFIX) (through
# sudo when the prefix is not writable).
install: build
	$$( [ -w "$(PREFIX)" ] || [ ! -e "$(PREFIX)" -a -w "$$(dirname "$(PREFIX)")" ] || echo $(SUDO) ) \
	  cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package of the same install under /usr, for classroom machines:
# $(BUILD)/tarnwick_<version>_<arch>.deb, its Depends computed from the binary by dpkg-shlibdeps.
# MAINTAINER="Name <address>" names its Maintainer and its changelog's signer; without it
# (also after a package built with one) the package names the placeholder.
package: deps-tests build
	rm -f $(BUILD)/tarnwick_*.deb
	cmake -S . -B $(BUILD) -DTARNWICK_MAINTAINER="$(MAINTAINER)" >/dev/null
	cmake --build $(BUILD) --target package

# --no-tests=error: a folder without its tests fails instead of passing with none run.
test-plain: build-tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j $(JOBS)

test-san: deps-tests
	@$(call configure,$(BUILD_SAN),$(BUILD_SAN_OPTIONS),$(TESTS_ON))
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --no-tests=error -j $(JOBS)

# The property-list fuzzer: clang's libFuzzer with ASan and UBSan, built apart from the
# Qt project, run from the two example lists; any crash it finds fails the target and
# leaves its input in $(BUILD_FUZZ)/artifacts/.
test-fuzz: deps-tests
	@$(call configure,$(BUILD_FUZZ),-S tests/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++)
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

# The real program on a private X server (Xvfb, with openbox for frames and close boxes),
# driven by pointer and keys through a whole lesson; screenshots and logs in $(BUILD)/e2e/.
# Then the program installed into a temporary prefix: its desktop entry validated, and the
# installed binary started on the same X server; then the same for the Debian package, its
# control fields, file list, copyright and changelog checked and lintian run on it, unpacked
# into a temporary folder.
test-e2e: package
	@prefix=$$(mktemp -d) && trap 'rm -rf "$$prefix"' EXIT && \
	  cmake --install $(BUILD) --prefix "$$prefix" >/dev/null && \
	  python3 tests/e2e/run.py --binary $(BUILD)/app/tarnwick --out $(BUILD)/e2e \
	    --installed "$$prefix" --package $(BUILD)/tarnwick_*.deb

# The end-to-end run comes last: it means something only once the unit tests pass, and its
# timed checks (the splash's 7 s, the exit within 2 s) then run on a machine that no
# parallel test run keeps busy (its own recipe line, so that also `make -j` runs it last).
test: test-fuzz test-plain test-san
	$(MAKE) --no-print-directory test-e2e

# The README's promise on a fresh Debian 13 machine, apart from `make test` (it needs root, and
# downloads and builds everything): in a minimal Debian 13 root, a clone of the committed state
# runs `make build`, which must install none of the test tools, then `make test`; it prints how
# many packages each installed. Its log is $(BUILD)/debian13.log.
deps-debian13:
	$(call install_missing,$(PACKAGES_DEBIAN13))

test-debian13: deps-debian13
	mkdir -p $(BUILD)
	bash tests/debian13/run.sh $(BUILD)/debian13.log

# The Google benchmarks, then the whole-program figures (start-up, memory, a painted day on
# Xvfb), which are also written to $(BUILD)/bench/whole_program.md.
bench: build-tests
	./$(BUILD)/bench/tarnwick_bench
	python3 bench/whole_program.py --build $(BUILD) --out $(BUILD)/bench/whole_program.md

# The README's pictures (docs/main-window.png, docs/drag-data-card.png), taken by the
# end-to-end run.
docs-screenshots: deps-tests build
	python3 tests/e2e/run.py --binary $(BUILD)/app/tarnwick --out $(BUILD)/e2e --docs docs

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
