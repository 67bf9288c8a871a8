# SPDX-License-Identifier: MIT
# Two entry points: `make run` and `make test`. Both install what is missing, configure and build.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize deps browser-deps vscode-deps configure build check-display clean artwork package

run: check-display build
	$(BUILD)/vorrel

test: build browser-deps vscode-deps
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a folder
# of its own. Any finding fails the test it shows in; tools/sanitizer-suppressions.txt names the
# leaks that belong to system libraries, and why.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: browser-deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVORREL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizer-suppressions.txt:print_suppressions=0 \
	    ctest --output-on-failure -j$(JOBS)

check-display:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display is available: set DISPLAY or WAYLAND_DISPLAY (for example start Xvfb :99 and use DISPLAY=:99)." >&2; \
	    exit 1; \
	fi

deps:
	@tools/ensure-deps.sh

browser-deps: deps
	@cd tests/browser && [ ! -f package.json ] || if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then \
	    npm ci --no-audit --no-fund; fi

# code-server and node 24 for the VS Code host's tests, into the build folder; once, then reused
# until tests/editors/vscode/runtime/package-lock.json changes.
vscode-deps: deps
	@tools/ensure-vscode.sh $(BUILD)/vscode-runtime

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The Debian packages of the program and the Kate, gedit and Emacs hosts, the VS Code extension's
# .vsix, and the Emacs package's tar for package-install-file, in the build folder.
package: build
	cmake --build $(BUILD) --target vscode_vsix emacs_package_tar -j$(JOBS)
	cd $(BUILD) && cpack -G DEB

# Draws the pictures in resources/images again from their source, tools/artwork.
artwork: configure
	@cmake --build $(BUILD) --target draw_artwork -j$(JOBS)
	$(BUILD)/tools/artwork/draw_artwork resources

clean:
	rm -rf $(BUILD)
