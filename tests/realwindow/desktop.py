"""A private desktop for the real-window tests: a virtual X server, openbox, a D-Bus session
bus and the accessibility bus, each started here and each stopped here, whatever happens.

Every process runs in its own process group, so that stopping it stops what it spawned
(the accessibility bus's own daemon and registry). Each is also told to die with this
process should it be killed; ctest, on a timeout, ends the whole tree of processes itself."""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

from waiting import wait_for

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def run(args, env, timeout=10, check=True):
    """Runs a short command of the desktop's tools and returns its standard output."""
    done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    if check and done.returncode != 0:
        raise RuntimeError(f"{args[0]} failed ({done.returncode}): {done.stderr.strip()}")
    return done.stdout


def _read_line(stream, timeout, what):
    ready, _, _ = select.select([stream], [], [], timeout)
    if not ready:
        raise TimeoutError(f"{what} did not start within {timeout} s")
    line = stream.readline().strip()
    if not line:
        raise RuntimeError(f"{what} ended before it started")
    return line


class Desktop:
    """Use as a context manager; env is the environment that reaches the desktop."""

    def __init__(self):
        self._processes = []
        self._home = None
        self.env = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def spawn(self, args, env=None, **options):
        """Starts a process that stop() ends, its whole process group with it."""
        process = subprocess.Popen(
            args,
            env=env or self.env,
            start_new_session=True,
            preexec_fn=_die_with_parent,
            **options,
        )
        self._processes.append(process)
        return process

    def end(self, process):
        """Stops a process that spawn() started, with all it spawned."""
        if process in self._processes:
            self._processes.remove(process)
            _end_group(process)

    def run(self, *args, timeout=10, check=True):
        return run(list(args), self.env, timeout, check)

    def _start(self):
        self._home = tempfile.mkdtemp(prefix="vexorin-desktop-")
        runtime = os.path.join(self._home, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = {
            "PATH": "/usr/bin:/bin",
            "HOME": self._home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self._home, "config"),
            "XDG_CACHE_HOME": os.path.join(self._home, "cache"),
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        }

        # The X server picks a free display itself and tells us which; it must not reset when
        # its last client leaves, between the tools that come and go.
        server = self.spawn(
            ["Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"],
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            text=True,
        )
        self.env["DISPLAY"] = ":" + _read_line(server.stdout, 20, "Xvfb")

        bus = self.spawn(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            text=True,
        )
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus.stdout, 20, "dbus-daemon")

        # The first key from xdotool switches the server's core keyboard to the test device,
        # and a window manager then reloads its keymap and grabs its keys afresh: a key that
        # comes meanwhile (Alt+F4 at once) slips past it. Switch before it runs.
        self.run("xdotool", "key", "shift")
        log_path = os.path.join(self._home, "openbox.log")
        with open(log_path, "w") as log:
            openbox = self.spawn(["openbox", "--sm-disable"], stdout=log, stderr=log)
        try:
            wait_for(self._window_manager_running, 20, "openbox to manage the screen")
        except AssertionError as failure:
            with open(log_path) as log:
                raise AssertionError(f"{failure}; openbox {openbox.poll()=} said: {log.read()}") from None

        self.spawn(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        wait_for(self._accessibility_bus_running, 20, "the accessibility bus")

    def _window_manager_running(self):
        return "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False)

    def _accessibility_bus_running(self):
        reply = self.run(
            "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus", check=False,
        )
        return "boolean true" in reply

    def stop(self):
        # The last started first: the X server goes last.
        while self._processes:
            process = self._processes.pop()
            _end_group(process)
        if self._home:
            shutil.rmtree(self._home, ignore_errors=True)
            self._home = None


def _end_group(process, grace=3):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=grace)
            break
        except subprocess.TimeoutExpired:
            continue
    for stream in (process.stdout, process.stderr):
        if stream:
            stream.close()
    # What the group spawned may outlive its leader for a moment.
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            return
        time.sleep(0.02)
