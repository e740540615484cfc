# Front door for people and CI. The build itself is CMake with presets.
.PHONY: run test deps build clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	./out/default/wendle

# The whole suite twice: the normal build, then the sanitizer build.
test: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

clean:
	rm -rf out
