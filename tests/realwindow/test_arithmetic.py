"""The real-window checks that need the calculator's arithmetic: a key sequence and its
result, the error dialog, the memory panel as a screen reader hears it, and every key
acting when pressed through the accessibility interface."""

import pyatspi

import accessible
from calculator import LAYOUT, TIMEOUT, TITLE
from names import MEMORY_PANEL, SPOKEN_NAMES
from session import RealWindowTest, main
from waiting import wait_for


EMPTY_DISPLAY_MESSAGE = "'' is not a valid floating point value."


def red_share(desktop, left, top, width, height):
    """The share of clearly red pixels in a part of the screen: the stop icon is a red disc."""
    pixels = desktop.run("import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "-depth", "8",
                         "txt:-")
    red = total = 0
    for line in pixels.splitlines()[1:]:
        r, g, b = (int(v) for v in line.split("(")[1].split(")")[0].split(",")[:3])
        total += 1
        red += r > 150 and g < 110 and b < 110
    return red / total if total else 0


class ArithmeticTest(RealWindowTest):
    def setUp(self):
        self.calculator = self.start_calculator()
        self.program = accessible.AccessibleProgram(self.calculator.process.pid)
        self.window = self.program.window(TITLE)

    def key(self, caption):
        return accessible.wait_find(self.window, SPOKEN_NAMES[caption], accessible.KEY_ROLES)

    def error_dialog(self):
        def shown():
            for window in self.program.node:
                if window is not None and window.name == TITLE and window.getRole() != pyatspi.ROLE_FRAME:
                    return window
            return None

        return wait_for(shown, TIMEOUT, "the error dialog in the accessibility tree")

    def test_key_sequence_gives_its_result(self):
        for caption in ("1", "2", "+", "3", "="):
            self.calculator.click(caption)
        self.calculator.wait_display("15")

    def test_error_dialog_and_the_focus_afterwards(self):
        calculator = self.calculator
        calculator.click("+")  # the empty display does not convert
        [box] = wait_for(calculator.other_windows, TIMEOUT, "the error dialog")
        self.assertEqual(calculator.title(box), TITLE)
        wait_for(lambda: calculator.active_window() == box, TIMEOUT, "the error dialog to become active")
        self.assertIn("_NET_WM_STATE_MODAL", calculator.desktop.run("xprop", "-id", box, "_NET_WM_STATE"))

        dialog = self.error_dialog()
        accessible.wait_find(dialog, EMPTY_DISPLAY_MESSAGE)
        buttons = accessible.keys(dialog)
        self.assertEqual([b.name for b in buttons], ["OK"])
        [icon] = [a for a in accessible.descendants(dialog) if a.getRole() == pyatspi.ROLE_IMAGE]
        self.assertGreater(red_share(calculator.desktop, *accessible.extents(icon)), 0.2)

        calculator.click("1")  # the main window takes no input meanwhile
        calculator.click_at(*accessible.centre(buttons[0]))
        wait_for(lambda: not calculator.other_windows(), TIMEOUT, "the error dialog to close")
        wait_for(lambda: calculator.active_window() == calculator.window, TIMEOUT, "the main window to be active")
        calculator.type("7")  # the focus is back in the display
        calculator.wait_display("7")

    def test_memory_panel_is_heard_with_its_state(self):
        self.calculator.type("12")
        accessible.press(self.key("->M"))
        panel = accessible.wait_find(self.window, f"{MEMORY_PANEL}: 12", (pyatspi.ROLE_LABEL,))
        self.assertEqual(panel.description, "12")
        accessible.press(self.key("M->"))
        accessible.wait_find(self.window, f"{MEMORY_PANEL}: Пусто", (pyatspi.ROLE_LABEL,))

    def test_every_key_acts_when_pressed_through_the_accessibility_interface(self):
        accessible.press(self.key(">>"))
        display = accessible.wait_find(self.window, "дисплей", (pyatspi.ROLE_TEXT,))
        panel = accessible.wait_find(self.window, f"{MEMORY_PANEL}: Пусто", (pyatspi.ROLE_LABEL,))

        def enter_half():
            for caption in ("C", "0", ".", "5"):
                accessible.press(self.key(caption))
            wait_for(lambda: accessible.text_of(display) == "0.5", TIMEOUT, "0.5 in the display")

        # In the layout's order "+" comes before "%" and "=", which then have an operation.
        for control in LAYOUT.keys():
            caption = control.captions[0]
            if caption == ">>":
                continue
            with self.subTest(caption=caption):
                enter_half()
                memory = panel.name
                accessible.press(self.key(caption))

                def acted():
                    if self.calculator.other_windows():
                        return "error dialog"
                    if accessible.text_of(display) != "0.5":
                        return "display"
                    return panel.name != memory and "memory panel"

                if wait_for(acted, TIMEOUT, f"{caption!r} to act") == "error dialog":
                    accessible.press(accessible.keys(self.error_dialog())[0])
                    wait_for(lambda: not self.calculator.other_windows(), TIMEOUT, "the error dialog to close")


if __name__ == "__main__":
    main()
