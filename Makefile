# make run: set up, build, start the simulator.  make test: set up, build, run every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)

.PHONY: deps build run test test-asan test-tsan bench package clean

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD) -j $(JOBS)

# Without a display the window opens on a virtual one (screenshots: see README).
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/cdma_sim; \
	else xvfb-run -a -s "-screen 0 1280x1024x24" ./$(BUILD)/cdma_sim; fi

test: build
	scripts/check-format
	scripts/check-layers
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_SANITIZERS=ON -DBUILD_BENCH=OFF -DBUILD_UI_TESTS=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The tests without windows under ThreadSanitizer (not part of make test: it takes long).
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_TSAN=ON -DBUILD_BENCH=OFF -DBUILD_UI_TESTS=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	cd $(TSAN_BUILD) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench_chain
	./$(BUILD)/bench_window
	./$(BUILD)/bench_eye_bandpass
	./$(BUILD)/bench_spreading_trellis

# The Debian package $(BUILD)/cdma-sim_<version>_<arch>.deb (install: sudo apt install ./FILE).
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)
