#!/usr/bin/env python3
"""Writes the application's images as SVG files into resources/images.

Every image is drawn here from a handful of shapes and one palette, so the set
stays consistent: change a colour or a glyph here and run the script again.

    python3 scripts/make-images.py [output folder]
"""

import pathlib
import sys

OUT = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
    pathlib.Path(__file__).resolve().parent.parent / "resources" / "images")

# Palette: graphite surfaces, one blue accent, mode colours of the camera.
INK = "#0b0d10"
PANEL = "#1b1f25"
RAISED = "#2a2f37"
RAISED_HOVER = "#343a44"
EDGE = "#3d444f"
EDGE_SOFT = "#2c323b"
GLYPH = "#c3c9d2"
GLYPH_BRIGHT = "#ffffff"
MUTED = "#4b535f"
ACCENT = "#1f8fff"
ACCENT_LIGHT = "#4aa6ff"
ACCENT_DARK = "#136bc4"
FRONT = ACCENT
REAR = "#f5a623"
MODE_COLOURS = {"alwa": "#2ecc71", "motion": "#f5a623", "event": "#ff4d4f"}
FONT = "DejaVu Sans, Noto Sans, Liberation Sans, Arial, sans-serif"


def svg(width, height, body, view_box=None):
    box = view_box or f"0 0 {width} {height}"
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="{box}">\n{body}\n</svg>\n')


def write(name, content):
    (OUT / f"{name}.svg").write_text(content, encoding="utf-8")


# --- glyphs, drawn in a 24 x 24 box with round strokes ----------------------

def stroke(d, width=2.0):
    return (f'<path d="{d}" fill="none" stroke="currentColor" stroke-width="{width}" '
            'stroke-linecap="round" stroke-linejoin="round"/>')


def fill(d):
    return f'<path d="{d}" fill="currentColor"/>'


def label(text, x, y, size):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="bold" '
            f'text-anchor="middle" fill="currentColor">{text}</text>')


SPEAKER = "M4 9.5h3.5L12 6v12l-4.5-3.5H4z"
GLYPHS = {
    "play": fill("M9 6.5v11a.8.8 0 0 0 1.2.7l8.6-5.5a.8.8 0 0 0 0-1.4L10.2 5.8A.8.8 0 0 0 9 6.5z"),
    "pause": fill("M7 6h3.2v12H7z") + fill("M13.8 6H17v12h-3.2z"),
    "open": stroke("M3.5 7.5V18a1.5 1.5 0 0 0 1.5 1.5h14a1.5 1.5 0 0 0 1.5-1.5V9.5A1.5 1.5 0 0 0 "
                   "19 8h-7l-2-2.5H5A1.5 1.5 0 0 0 3.5 7z"),
    "setting": stroke("M12 8.8a3.2 3.2 0 1 0 0 6.4 3.2 3.2 0 0 0 0-6.4z")
    + stroke("M12 3v2.2M12 18.8V21M3 12h2.2M18.8 12H21M5.6 5.6l1.6 1.6M16.8 16.8l1.6 1.6"
             "M5.6 18.4l1.6-1.6M16.8 7.2l1.6-1.6"),
    "clock": stroke("M12 3.8a8.2 8.2 0 1 0 0 16.4 8.2 8.2 0 0 0 0-16.4z") + stroke("M12 7.5V12l3 2"),
    "fullscreen": stroke("M4 9V4h5M15 4h5v5M20 15v5h-5M9 20H4v-5"),
    "fullscreen_exit": stroke("M9 4v5H4M20 9h-5V4M15 20v-5h5M4 15h5v5"),
    "close": stroke("M6.5 6.5l11 11M17.5 6.5l-11 11"),
    "minimize": stroke("M6 12h12"),
    "capture": stroke("M4 8.5A1.5 1.5 0 0 1 5.5 7h2.3L9.3 5h5.4l1.5 2h2.3A1.5 1.5 0 0 1 20 8.5V17"
                      "a1.5 1.5 0 0 1-1.5 1.5h-13A1.5 1.5 0 0 1 4 17z")
    + stroke("M12 9.5a3.2 3.2 0 1 0 0 6.4 3.2 3.2 0 0 0 0-6.4z"),
    "print": stroke("M7 9V4h10v5M7 17H5a1.5 1.5 0 0 1-1.5-1.5v-5A1.5 1.5 0 0 1 5 9h14"
                    "a1.5 1.5 0 0 1 1.5 1.5v5A1.5 1.5 0 0 1 19 17h-2")
    + stroke("M7 14h10v6H7z"),
    "swap": stroke("M5 9h13M15 5.5L18.5 9 15 12.5") + stroke("M19 15H6M9 11.5L5.5 15 9 18.5"),
    "backward": stroke("M5 5v4.5h4.5") + stroke("M5.4 9.3A7.5 7.5 0 1 1 6 16.5")
    + label("10", 13, 15.6, 7),
    "forward": stroke("M19 5v4.5h-4.5") + stroke("M18.6 9.3A7.5 7.5 0 1 0 18 16.5")
    + label("10", 11, 15.6, 7),
    "volume_up": fill(SPEAKER) + stroke("M15 9.5a3.5 3.5 0 0 1 0 5M17.5 7a7 7 0 0 1 0 10"),
    "volume_down": fill(SPEAKER) + stroke("M15 9.5a3.5 3.5 0 0 1 0 5"),
    "speed_up": fill("M4 7l7 5-7 5z") + fill("M12 7l7 5-7 5z"),
    "speed_down": fill("M20 7l-7 5 7 5z") + fill("M12 7l-7 5 7 5z"),
    "size_up": stroke("M10.5 4.5a6 6 0 1 0 0 12 6 6 0 0 0 0-12zM15 15l5 5M8 10.5h5M10.5 8v5"),
    "size_down": stroke("M10.5 4.5a6 6 0 1 0 0 12 6 6 0 0 0 0-12zM15 15l5 5M8 10.5h5"),
    "audio_front": fill(SPEAKER) + label("F", 17.5, 16, 9),
    "audio_rear": fill(SPEAKER) + label("R", 17.5, 16, 9),
    "list": stroke("M9 7h11M9 12h11M9 17h11") + fill("M4 5.8h2.4v2.4H4zM4 10.8h2.4v2.4H4z"
                                                   "M4 15.8h2.4v2.4H4z"),
    "map": stroke("M12 21s-6-5.6-6-10.5a6 6 0 0 1 12 0C18 15.4 12 21 12 21z")
    + stroke("M12 8.2a2.3 2.3 0 1 0 0 4.6 2.3 2.3 0 0 0 0-4.6z"),
}


def glyph(name, colour, x, y, size):
    scale = size / 24
    shapes = GLYPHS[name].replace("currentColor", colour)
    return f'<g transform="translate({x} {y}) scale({scale})">{shapes}</g>'


# --- buttons: "_n" normal, "_f" pointer over, "_p" pressed -----------------

def round_button(name, state, size=40, primary=False):
    r = size / 2
    shadow = f'<circle cx="{r}" cy="{r + 1}" r="{r - 1.5}" fill="#000" fill-opacity="0.35"/>'
    if primary:
        face = {"n": ACCENT, "f": ACCENT_LIGHT, "p": ACCENT_DARK}[state]
        ring = {"n": "#58adff", "f": "#8cc6ff", "p": "#1f7fe0"}[state]
        ink = GLYPH_BRIGHT
    else:
        face = {"n": RAISED, "f": RAISED_HOVER, "p": "#1e2329"}[state]
        ring = {"n": EDGE, "f": ACCENT, "p": ACCENT_DARK}[state]
        ink = {"n": GLYPH, "f": GLYPH_BRIGHT, "p": ACCENT_LIGHT}[state]
    sheen = ("" if state == "p" else
             f'<defs><linearGradient id="s" x1="0" y1="0" x2="0" y2="1">'
             f'<stop offset="0" stop-color="#fff" stop-opacity="0.10"/>'
             f'<stop offset="0.55" stop-color="#fff" stop-opacity="0"/></linearGradient></defs>'
             f'<circle cx="{r}" cy="{r}" r="{r - 2}" fill="url(#s)"/>')
    glyph_size = size * (0.5 if primary else 0.55)
    offset = (size - glyph_size) / 2 + (0.5 if state == "p" else 0)
    body = (shadow + f'<circle cx="{r}" cy="{r}" r="{r - 2}" fill="{face}" stroke="{ring}" '
            f'stroke-width="1.2"/>' + sheen + glyph(name, ink, offset, offset, glyph_size))
    return svg(size, size, body)


PRIMARY_BUTTONS = ["play", "pause"]
BUTTONS = ["open", "setting", "clock", "fullscreen", "fullscreen_exit", "close", "minimize",
           "capture", "print", "swap", "backward", "forward", "volume_up", "volume_down",
           "speed_up", "speed_down", "size_up", "size_down", "audio_front", "audio_rear"]


def make_buttons():
    for state in "nfp":
        for name in PRIMARY_BUTTONS:
            write(f"icon_{name}_{state}", round_button(name, state, 48, primary=True))
        for name in BUTTONS:
            write(f"icon_{name}_{state}", round_button(name, state))


# --- side panel tabs (two tabs share the 334 x 32 strip) --------------------

def tab(glyph_name, selected):
    w, h = 167, 32
    if selected:
        body = (f'<rect width="{w}" height="{h}" fill="{RAISED}"/>'
                f'<rect y="{h - 3}" width="{w}" height="3" fill="{ACCENT}"/>'
                + glyph(glyph_name, GLYPH_BRIGHT, (w - 18) / 2, 6, 18))
    else:
        body = (f'<rect width="{w}" height="{h}" fill="{PANEL}"/>'
                f'<rect y="{h - 1}" width="{w}" height="1" fill="{EDGE_SOFT}"/>'
                + glyph(glyph_name, "#7d8590", (w - 18) / 2, 6, 18))
    return svg(w, h, body)


def make_tabs():
    write("record_n", tab("list", False))
    write("record_p", tab("list", True))
    write("information_n", tab("map", False))
    write("information_p", tab("map", True))


# --- car images of the recording list: side x mode --------------------------

def car(side, mode):
    colour = MODE_COLOURS[mode]
    body = ("M3 15.5V11.5Q3 10.5 4 10.3L8 9.8L10.5 6.6Q11 6 11.8 6H19Q19.8 6 20.4 6.6L24 10"
            "L30.5 10.8Q33 11.2 33 13V15.5Q33 16.5 32 16.5H4Q3 16.5 3 15.5Z")
    windows = "M11.2 7H15V9.8H9.1ZM16 7H19.2L22.3 9.8H16Z"
    # The car faces right and sits in the middle; the camera that recorded
    # lights its end of the car with a lens and a beam reaching to the edge.
    front = side == "front"
    lens_x = 33 if front else 3
    beam = "M30.6 12.4L36 8.6v9L30.6 14z" if front else "M5.4 12.4L0 8.6v9L5.4 14z"
    fade = ("<defs><linearGradient id=\"beam\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
            f'<stop offset="0" stop-color="{colour}" stop-opacity="{0.85 if front else 0.1}"/>'
            f'<stop offset="1" stop-color="{colour}" stop-opacity="{0.1 if front else 0.85}"/>'
            "</linearGradient></defs>")
    parts = (fade + f'<path d="{beam}" fill="url(#beam)"/>'
             '<g transform="translate(2.7 1.5) scale(0.85)">'
             f'<path d="{body}" fill="{colour}"/>'
             f'<path d="{windows}" fill="{INK}" fill-opacity="0.75"/>'
             f'<circle cx="{lens_x}" cy="13.2" r="1.9" fill="#fff"/>'
             f'<circle cx="9" cy="16.6" r="2.6" fill="{INK}" stroke="{colour}" '
             'stroke-width="1.2"/>'
             f'<circle cx="26.5" cy="16.6" r="2.6" fill="{INK}" stroke="{colour}" '
             'stroke-width="1.2"/></g>')
    return svg(36, 20, parts)


def make_cars():
    for side in ("front", "rear"):
        for mode in MODE_COLOURS:
            write(f"car_{side}_{mode}", car(side, mode))


def make_playing_mark():
    # Beside the file name of the row that plays; white, so it shows on the
    # selection's blue as well as on a plain row.
    write("list_playing", svg(13, 13, '<path d="M3.5 2.2v8.6a.7.7 0 0 0 1.1.6l6.9-4.3'
                                      'a.7.7 0 0 0 0-1.2L4.6 1.6a.7.7 0 0 0-1.1.6z" '
                                      f'fill="{GLYPH_BRIGHT}"/>'))
    # A warning triangle: the recording ends short of its index.
    write("list_cut_short", svg(13, 13, '<path d="M6.5 1.2 12.3 11.6H.7z" '
                                        f'fill="{MODE_COLOURS["motion"]}"/>'
                                        '<path d="M6.5 4.6v3.6M6.5 9.4v.9" '
                                        f'stroke="{INK}" stroke-width="1.4" '
                                        'stroke-linecap="round"/>'))


# --- nine-part video frames and camera logos --------------------------------

NINE_PARTS = {
    # name: (x, y, width, height) in a frame drawn (2c + 1) points square
    "top_left_corner": (0, 0, 1, 1), "top_edge_fill": (1, 0, 0, 1),
    "top_right_corner": (2, 0, 1, 1), "left_edge_fill": (0, 1, 1, 0),
    "center_fill": (1, 1, 0, 0), "right_edge_fill": (2, 1, 1, 0),
    "bottom_left_corner": (0, 2, 1, 1), "bottom_edge_fill": (1, 2, 0, 1),
    "bottom_right_corner": (2, 2, 1, 1),
}


def make_frame(prefix, corner, radius, border, accent):
    # The whole frame is drawn once; each part shows its slice of it. Fills
    # are one point long in the stretched direction, so stretching them keeps
    # the rim exactly continuous with the corners.
    size = 2 * corner + 1
    drawing = (f'<rect x="0" y="0" width="{size}" height="{size}" rx="{radius}" fill="{INK}"/>'
               f'<rect x="0.5" y="0.5" width="{size - 1}" height="{size - 1}" rx="{radius - 0.5}" '
               f'fill="none" stroke="{border}" stroke-width="1"/>'
               f'<rect x="1.5" y="1.5" width="{size - 3}" height="{size - 3}" rx="{radius - 1.5}" '
               f'fill="none" stroke="{accent}" stroke-opacity="0.18" stroke-width="1"/>')
    offsets = {0: 0, 1: corner, 2: corner + 1}
    for part, (col, row, wide, tall) in NINE_PARTS.items():
        w = corner if wide else 1
        h = corner if tall else 1
        write(f"{prefix}_{part}", svg(w, h, drawing, f"{offsets[col]} {offsets[row]} {w} {h}"))


def camera_logo(side, scale):
    colour = FRONT if side == "front" else REAR
    word = "FRONT" if side == "front" else "REAR"
    w, h = 200, 120
    lens = (f'<rect x="62" y="14" width="76" height="50" rx="10" fill="none" stroke="{MUTED}" '
            'stroke-width="3"/>'
            f'<path d="M138 30l18-10v38l-18-10z" fill="none" stroke="{MUTED}" stroke-width="3" '
            'stroke-linejoin="round"/>'
            f'<circle cx="100" cy="39" r="15" fill="none" stroke="{colour}" stroke-opacity="0.8" '
            'stroke-width="3"/>'
            f'<circle cx="100" cy="39" r="6" fill="{colour}" fill-opacity="0.55"/>'
            f'<circle cx="77" cy="27" r="3" fill="#ff4d4f" fill-opacity="0.85"/>')
    text = (f'<text x="100" y="95" font-family="{FONT}" font-size="17" font-weight="bold" '
            f'text-anchor="middle" fill="{MUTED}" letter-spacing="4">{word} CAMERA</text>'
            f'<rect x="84" y="104" width="32" height="2.5" rx="1.25" fill="{colour}" '
            'fill-opacity="0.7"/>')
    return svg(round(w * scale), round(h * scale), lens + text, f"0 0 {w} {h}")


def make_video_backgrounds():
    make_frame("v1", 12, 10, EDGE, ACCENT)
    make_frame("v2", 8, 6, EDGE, ACCENT)
    for side in ("front", "rear"):
        write(f"v1_{side}_logo", camera_logo(side, 1.0))
        write(f"v2_{side}_logo", camera_logo(side, 0.6))


# --- bars, strips and bezels ------------------------------------------------

def vertical_gradient(ident, stops):
    inner = "".join(f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>'
                    for o, c, a in stops)
    return (f'<defs><linearGradient id="{ident}" x1="0" y1="0" x2="0" y2="1">{inner}'
            '</linearGradient></defs>')


def make_bottom_background():
    # Used for all three parts of the full-screen strip, so it is the same in
    # every column and any slice of it joins seamlessly.
    body = (vertical_gradient("g", [(0, "#1d2128", 0.94), (1, "#0c0e12", 0.94)])
            + '<rect width="8" height="36" fill="url(#g)"/>'
            + '<rect width="8" height="1" fill="#ffffff" fill-opacity="0.10"/>')
    write("bottom-background", svg(8, 36, body))


def make_info_bezel():
    h = 26
    for pressed in (False, True):
        suffix = "_pressed" if pressed else ""
        top, bottom = ("#15181d", "#1f242b") if pressed else ("#353b45", "#272c34")
        border = "#0f1215" if pressed else EDGE
        drawing = (vertical_gradient("b", [(0, top, 1), (1, bottom, 1)])
                   + f'<rect x="0.5" y="0.5" width="16" height="{h - 1}" rx="6" fill="url(#b)" '
                   f'stroke="{border}" stroke-width="1"/>')
        if not pressed:
            drawing += ('<rect x="3" y="1.5" width="11" height="1" fill="#fff" '
                        'fill-opacity="0.08"/>')
        write(f"bg_bt_info_left{suffix}", svg(8, h, drawing, f"0 0 8 {h}"))
        write(f"bg_bt_info_center{suffix}", svg(1, h, drawing, f"8 0 1 {h}"))
        write(f"bg_bt_info_right{suffix}", svg(8, h, drawing, f"9 0 8 {h}"))


def make_progress_bars():
    h = 16
    blue = (vertical_gradient("p", [(0, "#6cb8ff", 1), (0.5, ACCENT, 1), (1, ACCENT_DARK, 1)])
            + f'<rect width="128" height="{h}" rx="{h / 2}" fill="url(#p)"/>')
    grey = (vertical_gradient("p", [(0, "#4a515c", 1), (1, "#30353d", 1)])
            + f'<rect width="128" height="{h}" rx="{h / 2}" fill="url(#p)"/>')
    stripes = "".join(f'<path d="M{x} {h}l{h} -{h}h16l-{h} {h}z" fill="{ACCENT_LIGHT}"/>'
                      for x in range(-32, 176, 32))
    barber = (f'<rect width="160" height="{h}" fill="{ACCENT_DARK}"/>' + stripes
              + vertical_gradient("g", [(0, "#fff", 0.25), (0.6, "#fff", 0), (1, "#000", 0.2)])
              + f'<rect width="160" height="{h}" fill="url(#g)"/>')
    write("blueProgress", svg(128, h, blue))
    write("greyProgress", svg(128, h, grey))
    write("barberProgress", svg(160, h, barber))


# --- application icon and wordmark ------------------------------------------

def app_icon():
    return svg(256, 256, f"""<defs>
<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#2b313a"/><stop offset="1" stop-color="#111418"/></linearGradient>
<radialGradient id="iris" cx="0.42" cy="0.38" r="0.7">
<stop offset="0" stop-color="#8fd0ff"/><stop offset="0.45" stop-color="{ACCENT}"/>
<stop offset="1" stop-color="#0a2f5c"/></radialGradient>
<linearGradient id="road" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#ffffff" stop-opacity="0"/>
<stop offset="1" stop-color="#ffffff" stop-opacity="0.18"/></linearGradient>
</defs>
<rect x="16" y="16" width="224" height="224" rx="52" fill="url(#bg)"/>
<rect x="16.5" y="16.5" width="223" height="223" rx="51.5" fill="none" stroke="#ffffff"
 stroke-opacity="0.12"/>
<path d="M108 150L64 236h128l-44-86z" fill="url(#road)"/>
<path d="M128 170v14M128 196v20" stroke="#ffffff" stroke-opacity="0.35" stroke-width="5"
 stroke-linecap="round"/>
<circle cx="128" cy="110" r="66" fill="#0b0d10" stroke="#3d444f" stroke-width="6"/>
<circle cx="128" cy="110" r="50" fill="url(#iris)"/>
<circle cx="128" cy="110" r="20" fill="#05080c"/>
<circle cx="112" cy="94" r="9" fill="#ffffff" fill-opacity="0.75"/>
<circle cx="196" cy="48" r="12" fill="#ff4d4f"/>
<circle cx="196" cy="48" r="12" fill="none" stroke="#ffffff" stroke-opacity="0.3"
 stroke-width="2"/>""")


def wordmark():
    return svg(132, 28, f"""<circle cx="14" cy="14" r="11" fill="{INK}" stroke="{EDGE}" stroke-width="2"/>
<circle cx="14" cy="14" r="7" fill="{ACCENT}"/>
<circle cx="14" cy="14" r="2.8" fill="{INK}"/>
<circle cx="11.5" cy="11.5" r="1.5" fill="#fff" fill-opacity="0.8"/>
<text x="32" y="20.5" font-family="{FONT}" font-size="18" font-weight="bold"
 fill="#e6e9ee" letter-spacing="2">ZORVA</text>""")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    make_buttons()
    make_tabs()
    make_cars()
    make_playing_mark()
    make_video_backgrounds()
    make_bottom_background()
    make_info_bezel()
    make_progress_bars()
    write("zorva", app_icon())
    write("zorva_logo", wordmark())


if __name__ == "__main__":
    main()
