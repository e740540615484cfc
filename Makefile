# Front door for people and CI. The build itself is CMake with presets.
.PHONY: run test test-fresh deps build format-check package fuzz bench conformance clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

# Wendle on its own demo in out/demo/ (scripts/demo.sh); ./out/default/wendle is the real thing.
run: build
	scripts/demo.sh out/default/wendle out/demo

# Every tracked C++ file in the one style of .clang-format.
format-check: deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror

# The whole suite twice: the normal build, then the sanitizer build.
test: deps format-check
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# `make test` in a clone of HEAD on a minimal Debian 12 (a chroot), as a new user runs it.
test-fresh:
	scripts/test-fresh.sh

# A Debian package of an optimised build: out/release/wendle_*.deb, then the package test on
# it (lintian among its checks), since the optimised build is the one users install.
package: deps
	cmake --preset release
	cmake --build --preset release
	cd out/release && cpack
	tests/desktop_test.sh package out/release/wendle out/release \
	  "$$(sed -n 's/^WENDLE_APP_ID:STRING=//p' out/release/CMakeCache.txt)"

# Every fuzz target for FUZZ_SECONDS (default 60) each, with clang's libFuzzer.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps.sh fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

# Benchmarks of an optimised build; prints the figures and their ratios. Not part of `make test`.
bench:
	@scripts/install-deps.sh bench
	cmake --preset bench
	cmake --build --preset bench
	cd out/bench && ./bench/wendle_bench
	cd out/bench && ./bench/wendle_bench --alternate
	cd out/bench && ./bench/wendle_bench --peak-memory
	cd out/bench && ./bench/wendle_bench --batch ./wendle
	cd out/bench && ./bench/wendle_bench --watch ./wendle
	cd out/bench && ./bench/wendle_window_bench
	STARTUP_LANGUAGE=de scripts/startup_bench.sh out/bench/wendle out/bench/bench/minimal_dialog
	xvfb-run -a -s "-screen 0 1024x768x24 -noreset" /usr/bin/python3 bench/preview_bench.py out/bench/wendle
	bench/one_page_bench.sh out/bench/wendle
	bench/markdown_bench.sh out/bench/wendle out/bench/bench/markdown_floor

# CommonMark's examples (npm package commonmark-spec, into out/conformance/) through
# wendle -o - --from markdown with a template of just the two markers, then through md4c's
# renderer alone with the same flags (Wendle must add no failure of its own), and through the
# cmark-gfm command with GitHub's extensions for comparison; each prints "N of 652 examples
# pass" and what fails.
conformance:
	@scripts/install-deps.sh bench conformance
	cmake --preset bench
	cmake --build --preset bench --target markdown_floor wendle
	scripts/conformance.sh out/bench/wendle -o - --from markdown --text - \
	  --template out/conformance/markers.html
	scripts/conformance.sh out/bench/bench/markdown_floor /dev/stdin /dev/stdout
	scripts/conformance.sh cmark-gfm --unsafe --extension table --extension strikethrough \
	  --extension autolink --extension tasklist

clean:
	rm -rf out
