# Two commands do everything on a fresh Debian 12 machine:
#   make play   install what is missing, build, lay out play/ and start the game
#   make test   install what is missing, build, and run every test under Xvfb
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
PLAY ?= play
JOBS ?= $(shell nproc)
XVFB = xvfb-run -a -s "-screen 0 800x600x24"

.PHONY: play test deps build layout fuzz bench clean

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# The program beside its data directory and its plugin directory. The data set is
# generated only where it is absent, so a rebuild never touches best times or settings.
layout: build
	mkdir -p $(PLAY)/plugins
	cp $(BUILD)/bin/vontel $(PLAY)/vontel
	cp $(BUILD)/bin/plugins/*.so $(PLAY)/plugins/ 2>/dev/null || true
	[ -d $(PLAY)/data ] || $(BUILD)/bin/datagen $(PLAY)/data

play: layout
	cd $(PLAY) && ./vontel

fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVONTEL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

test: build fuzz
	$(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure -L fuzz

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $(XVFB) $$b || exit 1; done

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
