"""The main window as the window manager shows it: centred at first, fixed in size, 440 and
265 pixels tall with its frame after ">>" and "<<"."""

import os

from calculator import TIMEOUT, Geometry
from desktop import SCREEN_HEIGHT, SCREEN_WIDTH
from session import RealWindowTest, main
from waiting import wait_for

TALL = 440
SHORT = 265

class WindowTest(RealWindowTest):
    def wait_outer_height(self, calculator, height):
        return wait_for(
            lambda: calculator.outer_geometry().height == height and calculator.outer_geometry(),
            TIMEOUT,
            f"an outer height of {height}",
        )

    def test_centred_on_the_desktop_at_first_show(self):
        calculator = self.start_calculator()
        outer = calculator.outer_geometry()
        centred = Geometry((SCREEN_WIDTH - outer.width) // 2, (SCREEN_HEIGHT - outer.height) // 2, outer.width,
                           outer.height)
        self.assertEqual(outer, centred)

    def test_fixed_size_without_a_working_maximise_button(self):
        calculator = self.start_calculator()
        client = calculator.client_geometry()
        hints = calculator.size_hints()
        self.assertEqual(hints["minimum"], (client.width, client.height))
        self.assertEqual(hints["maximum"], (client.width, client.height))
        allowed = calculator.allowed_actions()
        for action in ("RESIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"):
            self.assertNotIn(f"_NET_WM_ACTION_{action}", allowed)

        before = calculator.outer_geometry()
        calculator.click_title_bar_button("maximise")
        calculator.desktop.run("xdotool", "windowsize", calculator.window, "600", "500")
        # ">>" comes after both in the window manager's queue: once it has acted, so have they.
        calculator.click(">>")
        after = self.wait_outer_height(calculator, TALL)
        self.assertEqual((after.left, after.top, after.width), (before.left, before.top, before.width))

    def test_outer_heights_after_the_function_panel_key(self):
        calculator = self.start_calculator()
        start = calculator.outer_geometry()
        calculator.click(">>")
        self.wait_outer_height(calculator, TALL)
        calculator.click("<<")
        short = self.wait_outer_height(calculator, SHORT)
        # The window grows and shrinks at its lower edge.
        self.assertEqual((short.left, short.top, short.width), (start.left, start.top, start.width))
        client = calculator.client_geometry()
        self.assertEqual(calculator.size_hints()["maximum"], (client.width, client.height))
        # The key keeps the focus: Space and Return switch the window as clicks do.
        calculator.press("space")
        self.wait_outer_height(calculator, TALL)
        calculator.press("Return")
        self.wait_outer_height(calculator, SHORT)

    def test_screenshot_of_the_tall_window(self):
        calculator = self.start_calculator()
        calculator.click(">>")
        self.wait_outer_height(calculator, TALL)
        calculator.click_display()
        for caption in ("1", "2", "+", "3", "="):
            calculator.click(caption)
        # The program takes its input in order: the copy shows the display after the last click.
        calculator.shown_display()
        path = os.environ["VEXORIN_SCREENSHOT"]
        calculator.screenshot(path)
        self.assertGreater(os.path.getsize(path), 0)


if __name__ == "__main__":
    main()
