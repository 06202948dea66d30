"""Waiting for conditions instead of sleeping: a loaded machine may take its time, a broken
program must not hang the run."""

import time


def wait_for(condition, timeout, what, interval=0.05):
    """Polls condition until it returns a true value, which it returns; fails naming what
    was awaited and the last value seen once timeout seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what} (last: {value!r})")
        time.sleep(interval)
