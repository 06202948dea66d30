"""The calculator as a person meets it on the desktop: started, looked at and driven only
from outside, through the X server (xdotool, xwininfo, xprop, xclip)."""

import os
import re
import subprocess
import time
from dataclasses import dataclass

from layout import Layout
from waiting import wait_for

PROGRAM = os.environ["VEXORIN_PROGRAM"]
LAYOUT = Layout(os.environ["VEXORIN_LAYOUT"])
TITLE = "QV Vexorin 3.0"
TIMEOUT = 15  # seconds for anything the program should do at once, on a loaded machine


@dataclass(frozen=True)
class Geometry:
    left: int
    top: int
    width: int
    height: int


class Calculator:
    """Use as a context manager: the program is killed on the way out if it still runs."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.process = None
        self.window = None
        self.menu_bar_height = None

    def __enter__(self):
        env = dict(self.desktop.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = self.desktop.spawn([PROGRAM], env=env)
        try:
            self.window = wait_for(self._first_window, TIMEOUT, "the main window to show")
            wait_for(lambda: self.active_window() == self.window, TIMEOUT, "the main window to become active")
            wait_for(self._settled, TIMEOUT, "the main window to settle")
            # The window holds the menu bar above the client area of the layout.
            self.menu_bar_height = self.client_geometry().height - LAYOUT.client_height
        except BaseException:
            self.desktop.end(self.process)
            raise
        return self

    def __exit__(self, *exc):
        self.desktop.end(self.process)

    # The program

    def running(self):
        return self.process.poll() is None

    def wait_exit(self):
        """The exit status once the program has ended by itself."""
        try:
            return self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program still runs {TIMEOUT} s later") from None

    # Windows

    def _tool(self, *args, check=True):
        return self.desktop.run(*args, check=check)

    def windows(self):
        """The program's visible top-level windows."""
        return self._tool("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), check=False).split()

    def _first_window(self):
        shown = self.windows()
        return shown[0] if len(shown) == 1 else None

    def other_windows(self):
        return [w for w in self.windows() if w != self.window]

    def active_window(self):
        return self._tool("xdotool", "getactivewindow", check=False).strip()

    def title(self, window):
        match = re.search(r'= "(.*)"', self._tool("xprop", "-id", window, "_NET_WM_NAME"))
        return match.group(1) if match else None

    def client_geometry(self, window=None):
        """Where the window's own area (menu bar and client area) lies on the screen."""
        info = self._tool("xwininfo", "-id", window or self.window)

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))

        return Geometry(
            field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")
        )

    def frame_extents(self, window=None):
        """The window manager's frame around the window: left, right, top, bottom."""
        text = self._tool("xprop", "-id", window or self.window, "_NET_FRAME_EXTENTS")
        numbers = re.findall(r"\d+", text.partition("=")[2])
        return tuple(int(n) for n in numbers) if len(numbers) == 4 else None

    def outer_geometry(self, window=None):
        """The whole window as it stands on the screen: frame and title bar included."""
        client = self.client_geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return Geometry(client.left - left, client.top - top, client.width + left + right,
                        client.height + top + bottom)

    def size_hints(self, window=None):
        """The minimum and maximum size the program asks of the window manager."""
        text = self._tool("xprop", "-id", window or self.window, "WM_NORMAL_HINTS")
        sizes = {}
        for kind in ("minimum", "maximum"):
            match = re.search(rf"program specified {kind} size: (\d+) by (\d+)", text)
            sizes[kind] = (int(match.group(1)), int(match.group(2))) if match else None
        return sizes

    def allowed_actions(self, window=None):
        text = self._tool("xprop", "-id", window or self.window, "_NET_WM_ALLOWED_ACTIONS")
        return set(re.findall(r"_NET_WM_ACTION_\w+", text))

    def _settled(self):
        if self.frame_extents() is None:
            return False
        before = self.outer_geometry()
        time.sleep(0.1)
        return before == self.outer_geometry() and before

    def screenshot(self, path):
        """The window with its frame, cut from the screen."""
        outer = self.outer_geometry()
        self._tool("import", "-window", "root", "-crop", f"{outer.width}x{outer.height}+{outer.left}+{outer.top}",
                   "+repage", path)

    # Input

    def click_at(self, x, y):
        self._tool("xdotool", "mousemove", str(x), str(y), "click", "1")

    def click_title_bar_button(self, button):
        """The frame's "maximise" or "close" button, where openbox's default theme puts it."""
        from_right = {"maximise": 27, "close": 13}[button]
        outer = self.outer_geometry()
        self.click_at(outer.left + outer.width - from_right, outer.top + 10)

    def click(self, caption):
        """A left click at the centre of the key, where the layout puts it."""
        x, y = LAYOUT.key(caption).centre
        client = self.client_geometry()
        self.click_at(client.left + x, client.top + self.menu_bar_height + y)

    def click_display(self):
        display = LAYOUT.control("Edit1")
        client = self.client_geometry()
        self.click_at(client.left + display.left + display.width - 4,
                      client.top + self.menu_bar_height + display.centre[1])

    def type(self, text):
        self._tool("xdotool", "type", "--delay", "30", text)

    def press(self, *keys):
        self._tool("xdotool", "key", "--clearmodifiers", *keys)

    # The display, read back through the clipboard: select all, copy, read.

    def copied_display(self):
        self.press("ctrl+a", "ctrl+c", "End")
        return self._tool("xclip", "-o", "-selection", "clipboard", check=False)

    def shown_display(self):
        """The display's text, once it holds any; the display must have the keyboard focus."""
        return wait_for(self.copied_display, TIMEOUT, "the display to show a text", 0.2)

    def wait_display(self, expected):
        """Waits until the display reads expected (never empty: an empty selection copies
        nothing); the display must have the keyboard focus."""
        assert expected, "an empty display leaves the clipboard as it was"
        wait_for(lambda: self.copied_display() == expected, TIMEOUT, f"the display to read {expected!r}", 0.2)
