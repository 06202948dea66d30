"""The main window's layout as its layout file gives it: where each key lies in the client
area, so that the tests click where a person would see the key."""

import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass


@dataclass(frozen=True)
class Control:
    name: str
    kind: str
    captions: tuple  # the first at start; a button whose caption changes lists them all
    left: int  # in the client area, the group box's offset included
    top: int
    width: int
    height: int

    @property
    def centre(self):
        return self.left + self.width // 2, self.top + self.height // 2


class Layout:
    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        window = root.find("widget")
        self.client_width = int(_property(window, "ClientWidth").findtext("number"))
        self.client_height = int(_property(window, "ClientHeight").findtext("number"))
        self._controls = {}
        for area in window.findall("widget"):
            if area.get("class") == "QWidget":
                self._collect(area, 0, 0)

    def _collect(self, parent, left, top):
        for element in parent.findall("widget"):
            rect = _property(element, "geometry").find("rect")
            x, y, w, h = (int(rect.findtext(tag)) for tag in ("x", "y", "width", "height"))
            control = Control(
                element.get("name"),
                element.get("class"),
                _captions(element),
                left + x,
                top + y,
                w,
                h,
            )
            self._controls[control.name] = control
            self._collect(element, left + x, top + y)

    def control(self, name):
        return self._controls[name]

    def key(self, caption):
        """The clickable control with this caption."""
        for control in self._controls.values():
            if caption in control.captions and control.kind in ("TSpeedButton", "TButton", "TBitBtn"):
                return control
        raise KeyError(caption)

    def keys(self):
        return [c for c in self._controls.values() if c.kind in ("TSpeedButton", "TButton", "TBitBtn")]


def _property(element, name):
    for candidate in element.findall("property"):
        if candidate.get("name") == name:
            return candidate
    return None


def _captions(element):
    text = _property(element, "text")
    captions = [text.findtext("string")] if text is not None else []
    names = _property(element, "AccessibleNames")  # caption, name, caption, name...
    if names is not None:
        listed = [item.text for item in names.find("stringlist")][::2]
        captions += [caption for caption in listed if caption not in captions]
    return tuple(captions)
