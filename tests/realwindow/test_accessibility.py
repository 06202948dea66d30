"""The calculator through a screen reader's eyes: the AT-SPI tree names every control in
Russian, lets every key be pressed, reads and announces the display, and offers the
function keys only while the window shows them."""

import pyatspi

import accessible
from calculator import LAYOUT, TIMEOUT, TITLE
from names import DISPLAY, KEYPAD, MEMORY_PANEL, MENU_BAR, SPOKEN_NAMES
from session import RealWindowTest, main
from waiting import wait_for

FUNCTION_PANEL_TOP = 216
FUNCTION_KEYS = [SPOKEN_NAMES[k.captions[0]] for k in LAYOUT.keys() if k.top >= FUNCTION_PANEL_TOP]
ENTRY_KEYS = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "."]


class AccessibilityTest(RealWindowTest):
    def setUp(self):
        self.calculator = self.start_calculator()
        self.window = accessible.AccessibleProgram(self.calculator.process.pid).window(TITLE)

    def key(self, caption):
        return accessible.wait_find(self.window, SPOKEN_NAMES[caption], accessible.KEY_ROLES)

    def display(self):
        return accessible.wait_find(self.window, DISPLAY, (pyatspi.ROLE_TEXT,))

    def offered_names(self):
        return {a.name for a in accessible.descendants(self.window)}

    def reveal_function_keys(self):
        accessible.press(self.key(">>"))
        wait_for(lambda: set(FUNCTION_KEYS) <= self.offered_names(), TIMEOUT, "the function keys")

    def test_every_control_has_its_own_spoken_name_and_role(self):
        self.reveal_function_keys()
        controls = [a for a in accessible.descendants(self.window) if a.getRole() != pyatspi.ROLE_FILLER]
        names = [a.name for a in controls]
        self.assertNotIn("", names)
        self.assertEqual(len(names), len(set(names)), f"names used twice: {names}")

        by_name = dict(zip(names, controls))
        captions = [caption for key in LAYOUT.keys() for caption in key.captions if caption != ">>"]
        for caption in captions:
            with self.subTest(caption=caption):
                key = by_name.get(SPOKEN_NAMES[caption])
                self.assertIsNotNone(key, f"no control is called {SPOKEN_NAMES[caption]!r}")
                self.assertIn(key.getRole(), accessible.KEY_ROLES)
                self.assertIn(pyatspi.STATE_SHOWING, accessible.states(key))
                action = key.queryAction()
                self.assertIn("Press", [action.getName(i) for i in range(action.nActions)])

        self.assertIn(pyatspi.STATE_EDITABLE, accessible.states(self.display()))
        accessible.wait_find(self.window, f"{MEMORY_PANEL}: Пусто", (pyatspi.ROLE_LABEL,))
        accessible.wait_find(self.window, KEYPAD, (pyatspi.ROLE_PANEL,))
        menu_bar = accessible.wait_find(self.window, MENU_BAR, (pyatspi.ROLE_MENU_BAR,))
        self.assertEqual([entry.name for entry in menu_bar], ["Выход", "О программе"])

    def test_function_keys_are_offered_only_while_the_window_shows_them(self):
        self.assertFalse(set(FUNCTION_KEYS) & self.offered_names())
        self.reveal_function_keys()
        for name in FUNCTION_KEYS:
            self.assertIn(pyatspi.STATE_SHOWING, accessible.states(accessible.find(self.window, name)))
        accessible.press(self.key("<<"))
        wait_for(lambda: not set(FUNCTION_KEYS) & self.offered_names(), TIMEOUT, "the function keys to go")
        self.key(">>")

    def test_entry_keys_pressed_through_the_accessibility_interface(self):
        display = self.display()
        log = accessible.EventLog("object:text-changed")
        try:
            for caption in ENTRY_KEYS:
                accessible.press(self.key(caption))
            # The desktop here has the C locale, whose decimal separator is the point.
            wait_for(lambda: accessible.text_of(display) == "1234567890.", TIMEOUT, "the pressed digits")
            # What the keys write is announced as it changes.
            log.wait(lambda kind, source, data: kind.endswith(":insert") and source == DISPLAY and "." in data,
                     "the display to announce its new text")
            accessible.press(self.key("C"))
            wait_for(lambda: accessible.text_of(display) == "", TIMEOUT, "the display to be emptied")
        finally:
            log.close()

    def test_typed_text_is_read_from_the_display(self):
        self.calculator.type("42")
        display = self.display()
        wait_for(lambda: accessible.text_of(display) == "42", TIMEOUT, "the typed text")
        self.assertIn(pyatspi.STATE_FOCUSED, accessible.states(display))


if __name__ == "__main__":
    main()
