# The README's two commands, `make run` and `make test`, plus `make bench`
# and `make fuzz`. Each installs what is missing, builds what changed, then
# runs. Builds live under build/: host (engine, tools and tests under ASan and
# UBSan), win (quillmere.exe and its tests under Wine), bench and fuzz.

BUILD := build
HOST := $(BUILD)/host
WIN := $(BUILD)/win
BENCH := $(BUILD)/bench
FUZZ := $(BUILD)/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all run test test-host test-win bench fuzz deps host win clean

all: win

deps:
	@tools/setup-deps

$(HOST)/build.ninja: | deps
	cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON

host: deps $(HOST)/build.ninja
	ninja -C $(HOST)

$(WIN)/build.ninja: | deps
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DQM_BOOKC=$(CURDIR)/$(HOST)/tools/bookc

win: host $(WIN)/build.ninja
	ninja -C $(WIN)

test: test-host test-win

test-host: host
	cd $(HOST) && ctest --output-on-failure

# The tests get a Wine prefix of their own, so that what they write to the
# registry never touches the reader's settings from `make run`.
test-win: win
	WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix-test tools/with-display sh -c 'cd $(WIN) && ctest --output-on-failure'

run: win
	tools/run-reader $(WIN)/quillmere.exe $(BUILD)/screenshot.png

$(BENCH)/build.ninja: | deps
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BENCH=ON -DQM_TESTS=OFF

bench: deps $(BENCH)/build.ninja
	ninja -C $(BENCH)
	tools/run-benchmarks $(BENCH)

$(FUZZ)/build.ninja: | deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_FUZZ=ON -DQM_TESTS=OFF \
	  -DCMAKE_CXX_COMPILER=clang++

fuzz: deps $(FUZZ)/build.ninja
	ninja -C $(FUZZ)
	tools/run-fuzzers $(FUZZ) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
