"""What every real-window test module shares: one private desktop for the module, a
calculator started afresh for each test, and a run that can neither hang nor leave
anything behind."""

import os
import signal
import sys
import unittest
import warnings

from calculator import Calculator
from desktop import Desktop

# Far below ctest's own timeout, so that a stuck test still fails and tidies up.
BUDGET_SECONDS = 100


class RealWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        cls.enterClassContext(cls.desktop)
        # The AT-SPI library of this process finds the desktop's buses through these.
        os.environ.update(cls.desktop.env)
        # Debian's pyatspi calls the library by names it has deprecated since.
        warnings.filterwarnings("ignore", category=DeprecationWarning, module=r"pyatspi\.")

    def start_calculator(self):
        return self.enterContext(Calculator(self.desktop))


def _out_of_time(*_):
    raise TimeoutError(f"the real-window tests ran out of their {BUDGET_SECONDS} s")


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    signal.signal(signal.SIGALRM, _out_of_time)
    signal.alarm(BUDGET_SECONDS)
    unittest.main(verbosity=2)
