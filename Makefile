# The two commands of the README: `make run` and `make test`. Both install what is missing,
# cross-build the dependencies once, build everything and then run.
#
# build/i686 holds the shipping 32-bit Lornival.exe. Where this machine's kernel cannot run 32-bit
# code, the tests and `make run` use a 64-bit build of the same sources in build/x86_64
# (tools/test-arch.sh decides).
TOP       := $(CURDIR)
JOBS      ?= $(shell nproc)
TEST_ARCH := $(shell bash tools/test-arch.sh)
BUILD_ROOT ?= build
SHIP      := $(BUILD_ROOT)/i686
TESTB     := $(BUILD_ROOT)/$(TEST_ARCH)
CMAKE_FLAGS ?=

.PHONY: all setup build test run clean

all: build

setup:
	@bash tools/setup-machine.sh

# configure-and-build <dir> <arch> <extra cmake flags>
define build_tree
	@bash tools/build-deps.sh $(1) $(2)
	@cmake -S . -B $(1) -DCMAKE_TOOLCHAIN_FILE=$(TOP)/cmake/toolchain-$(if $(filter i686,$(2)),mingw32,mingw64).cmake $(3) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(1) -j$(JOBS)
endef

# The i686 tree always builds the tests too, so they stay compilable for the shipping target
# even where they can only run as x86_64.
build: setup
	$(call build_tree,$(SHIP),i686,-DLORNIVAL_BUILD_TESTS=ON)
ifneq ($(TEST_ARCH),i686)
	$(call build_tree,$(TESTB),$(TEST_ARCH),-DLORNIVAL_BUILD_TESTS=ON)
endif

test: build
	@bash tools/wine-prefix.sh $(TESTB) null
	@cd $(TESTB) && ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)

run: build
	@bash tools/run.sh $(TESTB)

clean:
	rm -rf $(BUILD_ROOT)
