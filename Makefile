# The two commands of the README: `make run` and `make test`. Both install what is missing,
# cross-build the dependencies once, build everything and then run.
#
# build/i686 holds the shipping 32-bit Lornival.exe; `make test` runs its suite and that of a
# 64-bit build of the same sources (build/x86_64), and `make run` starts it. Where the kernel runs
# no 32-bit code, the 32-bit programs run through qemu-user (tools/with-i386.sh).
# LORNIVAL_TEST_ARCH=i686|x86_64 runs one suite only.
TOP       := $(CURDIR)
JOBS      ?= $(shell nproc)
TEST_ARCHES := $(or $(LORNIVAL_TEST_ARCH),i686 x86_64)
BUILD_ROOT ?= build
SHIP      := $(BUILD_ROOT)/i686
CMAKE_FLAGS ?=

.PHONY: all setup build test run clean

all: build

setup:
	@bash tools/setup-machine.sh

# configure-and-build <dir> <arch> <extra cmake flags>
# A new tree is generated for Ninja: it starts compiling at once and checks an up-to-date tree in
# a second, where the generated makefiles took most of a minute. A tree configured earlier keeps
# the generator it was made with.
define build_tree
	@bash tools/build-deps.sh $(1) $(2)
	@cmake -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja) -DCMAKE_TOOLCHAIN_FILE=$(TOP)/cmake/toolchain-$(if $(filter i686,$(2)),mingw32,mingw64).cmake $(3) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(1) -j$(JOBS)
endef

# The i686 tree always builds the tests too, so they stay compilable for the shipping target
# even where only the 64-bit suite runs.
build: setup
	$(call build_tree,$(SHIP),i686,-DLORNIVAL_BUILD_TESTS=ON)
ifneq ($(filter x86_64,$(TEST_ARCHES)),)
	$(call build_tree,$(BUILD_ROOT)/x86_64,x86_64,-DLORNIVAL_BUILD_TESTS=ON)
endif

# One suite after the other; both run even when the first fails. The i686 one holds qemu-user's
# registration (where it is needed) for the whole run.
test: build
	@status=0; for arch in $(TEST_ARCHES); do \
	  echo "== $$arch suite"; \
	  bash tools/wine-prefix.sh $(BUILD_ROOT)/$$arch null || status=1; \
	  wrap=; if [ $$arch = i686 ]; then wrap="bash $(TOP)/tools/with-i386.sh $(abspath $(BUILD_ROOT))"; fi; \
	  (cd $(BUILD_ROOT)/$$arch && $$wrap ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)) || status=1; \
	done; exit $$status

run: build
	@bash tools/run.sh $(BUILD_ROOT)/$(shell bash tools/test-arch.sh)

clean:
	rm -rf $(BUILD_ROOT)
