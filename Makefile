# make run    build and start the tool
# make demo   start the simulated device and the tool connected to it
# make test   check the format, build with warnings as errors and run every
#             test headless (plain and sanitized builds)
# make format apply .clang-format to every source file
# make bench  print the speed and resource figures
# make translations  refresh translations/*.ts from the sources (lupdate)
# make package build velomi_VERSION_ARCH.deb in the build folder (CPack)
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# The tests mostly wait for the simulated device: twice as many run at once.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build build-asan run demo package test test-plain test-asan format format-check bench fuzz soak clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/src/velomi

demo: build
	./scripts/demo.sh $(BUILD)

# The .deb of the plain build: the programs, the menu entry, icon, metainfo,
# man pages and udev rule (cmake/Packaging.cmake); Depends from the binaries.
package: build
	cd $(BUILD) && cpack -G DEB

# The test builds treat every warning as an error, as CI does.
test-plain: CMAKE_FLAGS += -DVELOMI_WERROR=ON
test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(TEST_JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELOMI_SANITIZE=ON -DVELOMI_WERROR=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)

# The sanitized run also checks for leaks (LeakSanitizer), the soak test's
# reads among them.
test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(TEST_JOBS)

test: format-check test-plain test-asan

# The files git knows, in the format of .clang-format (the clang-format that
# make deps installs: Debian 12's, version 14).
SOURCES = git ls-files '*.cpp' '*.h'
format-check: deps
	@$(SOURCES) | xargs clang-format --dry-run -Werror
	@echo "Format: every source file follows .clang-format"

format: deps
	$(SOURCES) | xargs clang-format -i

bench: build
	./scripts/bench.sh $(BUILD)

# New and changed texts reach the .ts files for the translators
# (translations/README.md); texts without a letter are filled in at once.
.PHONY: translations
translations: build
	cmake --build $(BUILD) --target update_translations
	./translations/fill-untranslatable.py translations/*.ts

# make soak   a thousand reads against the simulated device, memory measured
soak: build
	cmake --build $(BUILD) --target tst_e2e velomi-devsim -j$(JOBS)
	QT_QPA_PLATFORM=offscreen VELOMI_SOAK_READS=1000 $(BUILD)/tests/tst_e2e soak

# make fuzz   build the fuzz targets with clang and run each for FUZZ_SECONDS
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@EXTRA_PACKAGES="clang libclang-rt-14-dev" ./scripts/install-deps.sh
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	./fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
