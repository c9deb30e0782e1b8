#!/usr/bin/env python3
"""Draws every picture of the skin as SVG (res/svg/<id>.svg) from the sizes in
res/catalogue.txt. res/generate.sh then renders them to res/png/<id>.png.

One palette and a handful of shape helpers keep the pictures in one style:
dark surfaces, blue active faces, white glyphs, a warm amber for sparks."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Palette.
BLUE = "#00a0ff"          # the accent the controls also use for active text
BLUE_LIGHT = "#5cc8ff"
BLUE_DARK = "#0a6fd0"
BLUE_DEEP = "#0a4f96"
WHITE = "#ffffff"
GLYPH_LIGHT = "#e9edf2"
GLYPH_GREY = "#8b9199"
GLYPH_DIM = "#6f757e"
SURFACE_HI = "#3b3f46"
SURFACE = "#272a2f"
SURFACE_LO = "#1a1c20"
AMBER = "#ffb02e"
AMBER_LIGHT = "#ffd98a"


def read_catalogue():
    items = {}
    with open(os.path.join(HERE, "catalogue.txt"), encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if not parts or parts[0].startswith("#"):
                continue
            items[int(parts[0])] = (int(parts[1]), int(parts[2]), parts[3])
    return items


# ---------------------------------------------------------------- helpers

def svg(w, h, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n<defs>{defs}</defs>\n{body}\n</svg>\n')


def lin(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>' for o, c, a in norm(stops))
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}</linearGradient>')


def rad(gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, units=None):
    s = "".join(f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>' for o, c, a in norm(stops))
    f = f' fx="{fx}" fy="{fy}"' if fx is not None else ""
    u = f' gradientUnits="{units}"' if units else ""
    return f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}"{f}{u}>{s}</radialGradient>'


def norm(stops):
    out = []
    for st in stops:
        if len(st) == 2:
            out.append((st[0], st[1], 1))
        else:
            out.append(st)
    return out


def blur(fid, sd):
    return (f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
            f'<feGaussianBlur stdDeviation="{sd}"/></filter>')


def rrect(x, y, w, h, r, extra=""):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" ry="{r}" {extra}/>'


def star4(cx, cy, r, inner=0.28):
    """A four-pointed sparkle."""
    pts = []
    for i in range(8):
        a = math.pi / 4 * i - math.pi / 2
        rr = r if i % 2 == 0 else r * inner
        pts.append(f"{cx + rr * math.cos(a):.2f},{cy + rr * math.sin(a):.2f}")
    return "M" + " L".join(pts) + " Z"


def gear_path(cx, cy, ro, ri, teeth, hole, tooth_frac=0.5):
    """Outline of a gear with a round hole (even-odd fill)."""
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a0 = i * step
        top = step * tooth_frac
        slope = step * 0.12
        for a, r in ((a0, ri), (a0 + slope, ro), (a0 + top - slope + slope, ro), (a0 + top + slope, ri)):
            pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    d = "M" + " L".join(pts) + " Z"
    d += (f" M{cx + hole},{cy} A{hole},{hole} 0 1,0 {cx - hole},{cy}"
          f" A{hole},{hole} 0 1,0 {cx + hole},{cy} Z")
    return d


def arc_point(cx, cy, r, deg):
    a = math.radians(deg)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def arc(cx, cy, r, a0, a1):
    """SVG arc path from angle a0 to a1 (degrees, clockwise on screen)."""
    x0, y0 = arc_point(cx, cy, r, a0)
    x1, y1 = arc_point(cx, cy, r, a1)
    large = 1 if (a1 - a0) % 360 > 180 else 0
    return f"M{x0:.2f},{y0:.2f} A{r},{r} 0 {large},1 {x1:.2f},{y1:.2f}"


def arrow_head(cx, cy, r, deg, size, forward=True):
    """Triangle at angle deg on a circle, pointing along the clockwise tangent."""
    x, y = arc_point(cx, cy, r, deg)
    a = math.radians(deg)
    tx, ty = -math.sin(a), math.cos(a)          # clockwise tangent
    if not forward:
        tx, ty = -tx, -ty
    nx, ny = math.cos(a), math.sin(a)
    p1 = (x + tx * size, y + ty * size)
    p2 = (x + nx * size * 0.8, y + ny * size * 0.8)
    p3 = (x - nx * size * 0.8, y - ny * size * 0.8)
    return f"M{p1[0]:.2f},{p1[1]:.2f} L{p2[0]:.2f},{p2[1]:.2f} L{p3[0]:.2f},{p3[1]:.2f} Z"


# ---------------------------------------------------------- round buttons

FACES = {
    # face: (gradient top, gradient bottom, rim, glyph colour, inset shadow)
    "light": ("#41454d", "#24272c", "rgba(255,255,255,0.22)", GLYPH_LIGHT, False),
    "blue": ("#3cb9ff", "#0a74d4", "rgba(150,215,255,0.85)", WHITE, False),
    "grey": ("#1b1d21", "#2c2f35", "rgba(255,255,255,0.10)", GLYPH_GREY, True),
    "black": ("#2a2a2c", "#030303", "rgba(255,255,255,0.28)", WHITE, False),
    "dim": ("#1a1c1f", "#26292d", "rgba(255,255,255,0.08)", GLYPH_DIM, True),
}


def round_button(size, face, glyph):
    top, bottom, rim, colour, inset = FACES[face]
    c = size / 2
    r = c - 1.5
    defs = (lin("face", [(0, top), (1, bottom)]) + blur("soft", 0.8) +
            lin("gloss", [(0, WHITE, 0.30 if face == "blue" else 0.12), (1, WHITE, 0)]))
    body = f'<circle cx="{c}" cy="{c + 0.8}" r="{r}" fill="#000" opacity="0.55" filter="url(#soft)"/>'
    body += f'<circle cx="{c}" cy="{c}" r="{r}" fill="url(#face)"/>'
    if inset:
        body += (f'<circle cx="{c}" cy="{c + 0.6}" r="{r - 0.6}" fill="none" stroke="#000" '
                 f'stroke-opacity="0.45" stroke-width="1.2"/>')
    else:
        body += f'<ellipse cx="{c}" cy="{c - r * 0.45}" rx="{r * 0.78}" ry="{r * 0.5}" fill="url(#gloss)"/>'
    body += f'<circle cx="{c}" cy="{c}" r="{r - 0.5}" fill="none" stroke="{rim}" stroke-width="1"/>'
    if face == "blue":
        # A faint dark under-glyph keeps white glyphs crisp on the bright face.
        body += f'<g transform="translate(0,0.7)" opacity="0.35">{glyph(size, "#003a70")}</g>'
    body += glyph(size, colour)
    return svg(size, size, body, defs)


def scaled(s, base, content):
    """Glyphs are drawn on a base x base grid and scaled to the button size."""
    return f'<g transform="scale({s / base})">{content}</g>'


def g_help(s, c):
    return scaled(s, 30, f'<path fill="none" stroke="{c}" stroke-width="2.6" stroke-linecap="round" '
                  f'stroke-linejoin="round" d="M11.2,11.6 C11.2,8.9 13,7.6 15.1,7.6 C17.4,7.6 19,9 19,11 '
                  f'C19,13.4 15.3,13.9 15.3,16.9 L15.3,17.6"/><circle cx="15.3" cy="21.8" r="1.7" fill="{c}"/>')


def g_gear(s, c):
    return scaled(s, 30, f'<path fill="{c}" fill-rule="evenodd" d="{gear_path(15, 15, 9.4, 6.8, 8, 3.3, 0.42)}"/>')


def g_refresh(s, c):
    return scaled(s, 30, f'<path d="{arc(15, 15, 6.6, -35, 245)}" fill="none" stroke="{c}" stroke-width="2.4" '
                  f'stroke-linecap="round"/><path d="{arrow_head(15, 15, 6.6, -50, 4.2)}" fill="{c}" '
                  f'stroke="{c}" stroke-width="0.8" stroke-linejoin="round"/>')


def g_logout(s, c):
    return scaled(s, 30, f'<g fill="none" stroke="{c}" stroke-width="2.3" stroke-linecap="round" '
                  f'stroke-linejoin="round"><path d="M14.5,8.2 L9.6,8.2 Q8.6,8.2 8.6,9.2 L8.6,20.8 '
                  f'Q8.6,21.8 9.6,21.8 L14.5,21.8"/><path d="M13.2,15 L22.2,15"/>'
                  f'<path d="M18.8,11.4 L22.4,15 L18.8,18.6"/></g>')


def g_minimize(s, c):
    return scaled(s, 25, f'<path d="M8,13.2 L17,13.2" stroke="{c}" stroke-width="2.4" stroke-linecap="round"/>')


def g_close(s, c):
    return scaled(s, 25, f'<path d="M8.8,8.8 L16.2,16.2 M16.2,8.8 L8.8,16.2" stroke="{c}" stroke-width="2.3" '
                  f'stroke-linecap="round"/>')


# ------------------------------------------------------------ push buttons

def push_button(w, h, blue):
    if blue:
        top, mid, bottom, edge, gloss = "#41bcff", "#1593ee", "#0a6cc9", "#07559e", 0.38
    else:
        top, mid, bottom, edge, gloss = "#5d636c", "#4a4f57", "#3a3e45", "#25282d", 0.22
    r = 7
    defs = (lin("face", [(0, top), (0.5, mid), (1, bottom)]) +
            lin("gloss", [(0, WHITE, gloss), (1, WHITE, 0.02)]) + blur("soft", 0.9))
    body = rrect(0.5, 1.3, w - 1, h - 1.8, r, 'fill="#000" opacity="0.6" filter="url(#soft)"')
    body += rrect(0.5, 0.5, w - 1, h - 1.5, r, f'fill="url(#face)" stroke="{edge}" stroke-width="1"')
    body += rrect(1.5, 1.5, w - 3, (h - 3) / 2, r - 1, 'fill="url(#gloss)"')
    body += rrect(1.5, 1.5, w - 3, h - 3.5, r - 1,
                  f'fill="none" stroke="{WHITE}" stroke-opacity="{0.28 if blue else 0.14}" stroke-width="1"')
    return svg(w, h, body, defs)


# ------------------------------------------------------------------ fields

def light_field(w, h, r, body_extra="", defs_extra=""):
    defs = (lin("field", [(0, "#e4e9ef"), (0.18, "#fbfcfd"), (1, "#ffffff")]) +
            lin("rim", [(0, "#6e7884"), (1, "#a9b2bc")]) + defs_extra)
    body = rrect(0.5, 0.5, w - 1, h - 1, r, 'fill="url(#field)" stroke="url(#rim)" stroke-width="1"')
    body += (f'<path d="M{r + 1},1.8 L{w - r - 1},1.8" stroke="#000" stroke-opacity="0.10" stroke-width="1.2"/>')
    return svg(w, h, body + body_extra, defs)


def ip_frame(w, h):
    return light_field(w, h, 4)


def combo_frame(w, h):
    aw = 30  # the drop-down part; the text stops 32 pixels from the right
    x = w - aw - 0.5
    defs = (lin("arrowface", [(0, "#3cb9ff"), (1, "#0a6cc9")]) +
            lin("arrowgloss", [(0, WHITE, 0.35), (1, WHITE, 0)]))
    body = (f'<path d="M{x},0.5 L{w - 5.5},0.5 Q{w - 0.5},0.5 {w - 0.5},5.5 L{w - 0.5},{h - 5.5} '
            f'Q{w - 0.5},{h - 0.5} {w - 5.5},{h - 0.5} L{x},{h - 0.5} Z" fill="url(#arrowface)" '
            f'stroke="#07559e" stroke-width="1"/>')
    body += rrect(x + 1, 1.5, aw - 2.5, h / 2 - 2, 3, 'fill="url(#arrowgloss)"')
    cx, cy = x + aw / 2, h / 2 + 1
    body += (f'<path d="M{cx - 5},{cy - 3} L{cx},{cy + 2.5} L{cx + 5},{cy - 3}" fill="none" stroke="#00315f" '
             f'stroke-opacity="0.4" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round" '
             f'transform="translate(0,0.8)"/>')
    body += (f'<path d="M{cx - 5},{cy - 3} L{cx},{cy + 2.5} L{cx + 5},{cy - 3}" fill="none" stroke="{WHITE}" '
             f'stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')
    return light_field(w, h, 5, body, defs)


# ------------------------------------------------------ check box and radio

def checkbox(size, on):
    defs = (lin("off", [(0, "#15171a"), (1, "#2a2d33")]) + lin("on", [(0, "#3cb9ff"), (1, "#0a6cc9")]))
    if not on:
        body = rrect(1, 1, 18, 18, 4, f'fill="url(#off)" stroke="{GLYPH_GREY}" stroke-width="1.3"')
        body += rrect(2.2, 2.2, 15.6, 15.6, 3, 'fill="none" stroke="#000" stroke-opacity="0.35" stroke-width="1"')
        return svg(size, size, body, defs)
    body = rrect(1, 1, 18, 18, 4, 'fill="url(#on)" stroke="#7fd0ff" stroke-width="1.3"')
    body += ('<path d="M5.2,10.4 L8.6,13.8 L15,6.6" fill="none" stroke="#003a70" stroke-opacity="0.35" '
             'stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round" transform="translate(0,0.8)"/>')
    body += ('<path d="M5.2,10.4 L8.6,13.8 L15,6.6" fill="none" stroke="#ffffff" stroke-width="2.6" '
             'stroke-linecap="round" stroke-linejoin="round"/>')
    return svg(size, size, body, defs)


def radio(size, on):
    c = size / 2
    defs = (lin("off", [(0, "#15171a"), (1, "#2a2d33")]) +
            rad("dot", [(0, "#9fdcff"), (0.55, BLUE), (1, BLUE_DARK)], cx=0.4, cy=0.35, r=0.7))
    body = f'<circle cx="{c}" cy="{c}" r="7.6" fill="url(#off)" stroke="{BLUE if on else GLYPH_GREY}" stroke-width="1.3"/>'
    if on:
        body += f'<circle cx="{c}" cy="{c}" r="4.2" fill="url(#dot)"/>'
    return svg(size, size, body, defs)


# ------------------------------------------------------ panels, backgrounds

def panel(w, h, region_w, region_h, r, footer=None):
    """A dark rounded panel filling the window's rounded region."""
    defs = (lin("body", [(0, "#30343a"), (0.35, "#25282d"), (1, "#1b1d21")]) +
            rad("glow", [(0, BLUE, 0.22), (1, BLUE, 0)], cx=0.5, cy=0, r=0.6) +
            lin("rim", [(0, WHITE, 0.22), (0.25, WHITE, 0.07), (1, WHITE, 0.04)]) +
            lin("foot", [(0, "#000", 0.22), (1, "#000", 0.32)]))
    rw, rh = region_w + 1, region_h + 1
    body = rrect(0, 0, rw, rh, r, 'fill="url(#body)"')
    body += f'<ellipse cx="{rw / 2}" cy="0" rx="{rw * 0.55}" ry="{rh * 0.45}" fill="url(#glow)"/>'
    if footer:
        clip = f'<clipPath id="shape">{rrect(0, 0, rw, rh, r)}</clipPath>'
        defs += clip
        body += (f'<rect x="0" y="{footer}" width="{rw}" height="{rh - footer}" fill="url(#foot)" '
                 f'clip-path="url(#shape)"/>')
        body += f'<path d="M{r},{footer + 0.5} L{rw - r},{footer + 0.5}" stroke="#000" stroke-opacity="0.45"/>'
        body += f'<path d="M{r},{footer + 1.5} L{rw - r},{footer + 1.5}" stroke="#fff" stroke-opacity="0.06"/>'
    body += rrect(0.5, 0.5, rw - 1, rh - 1, r - 0.5, 'fill="none" stroke="url(#rim)" stroke-width="1"')
    body += rrect(1.5, 1.5, rw - 3, rh - 3, r - 1.5, 'fill="none" stroke="#000" stroke-opacity="0.35" stroke-width="1"')
    return svg(w, h, body, defs)


def background(w, h, tint):
    """Full-window backdrop; drawn squeezed into 1024 x 680, so nothing round on it."""
    if tint == "green":
        top, mid, bottom, head, accent = "#22332a", "#1a2720", "#0f1813", "#121c16", "#3fd08a"
    else:
        top, mid, bottom, head, accent = "#2c2f34", "#222428", "#17181b", "#151618", BLUE
    head_h = 106  # 100 window pixels once scaled to the window height
    defs = (lin("body", [(0, top), (0.5, mid), (1, bottom)]) +
            rad("spot", [(0, WHITE, 0.07), (1, WHITE, 0)], cx=0.5, cy=0.5, r=0.5) +
            lin("head", [(0, head, 1), (1, head, 0.92)]) +
            lin("line", [(0, accent, 0), (0.2, accent, 0.55), (0.8, accent, 0.55), (1, accent, 0)], x2=1, y2=0) +
            lin("shade", [(0, "#000", 0.35), (1, "#000", 0)]) +
            lin("vign", [(0, "#000", 0), (1, "#000", 0.35)]))
    body = f'<rect width="{w}" height="{h}" fill="url(#body)"/>'
    body += f'<ellipse cx="{w * 0.62}" cy="{h * 0.55}" rx="{w * 0.45}" ry="{h * 0.5}" fill="url(#spot)"/>'
    body += f'<rect y="{h - 160}" width="{w}" height="160" fill="url(#vign)"/>'
    body += f'<rect width="{w}" height="{head_h}" fill="url(#head)"/>'
    body += f'<rect y="{head_h}" width="{w}" height="14" fill="url(#shade)"/>'
    body += f'<rect y="{head_h}" width="{w}" height="2" fill="url(#line)"/>'
    body += f'<rect y="{head_h - 1}" width="{w}" height="1" fill="#fff" opacity="0.04"/>'
    # The shortcut column sits on a faint plate (x 40-300, y 130-520 of the window).
    sx, sy = w / 1024, h / 680
    body += (f'<rect x="{38 * sx}" y="{132 * sy}" width="{264 * sx}" height="{288 * sy}" rx="8" ry="8" '
             f'fill="#fff" fill-opacity="0.025" stroke="#fff" stroke-opacity="0.05"/>')
    return svg(w, h, body, defs)


# ---------------------------------------------------------- bars and pieces
# The fill pieces are drawn side by side and stretched to any width (or height
# for the slider), so a middle piece varies only across the bar, never along it.

FILL_STOPS = [(0, "#7fd4ff"), (0.45, "#1aa0f5"), (0.55, "#0b8ae6"), (1, "#0a62b8")]


def track(w, h, vertical=False):
    r = (w if vertical else h) / 2
    if vertical:
        defs = lin("t", [(0, "#0c0d0f"), (1, "#1f2226")], x2=1, y2=0)
    else:
        defs = lin("t", [(0, "#0c0d0f"), (1, "#1f2226")])
    body = rrect(0.5, 0.5, w - 1, h - 1, r - 0.5, 'fill="url(#t)" stroke="#000" stroke-opacity="0.6" stroke-width="1"')
    if vertical:
        body += rrect(w - 1.5, r, 1, h - 2 * r, 0.5, 'fill="#fff" fill-opacity="0.08"')
    else:
        body += rrect(r, h - 1.5, w - 2 * r, 1, 0.5, 'fill="#fff" fill-opacity="0.08"')
    return svg(w, h, body, defs)


def piece(w, h, part, vertical=False):
    """One piece of a blue fill: 'start', 'middle' or 'end'."""
    if vertical:
        defs = lin("f", FILL_STOPS, x1=0, y1=0, x2=1, y2=0)
        x0, x1 = 1.2, w - 1.2
        r = (x1 - x0) / 2
        if part == "start":
            d = f"M{x0},{h} L{x0},{r + 1} A{r},{r} 0 0,1 {x1},{r + 1} L{x1},{h} Z"
        elif part == "end":
            d = f"M{x0},0 L{x0},{h - r - 1} A{r},{r} 0 0,0 {x1},{h - r - 1} L{x1},0 Z"
        else:
            d = f"M{x0},0 L{x1},0 L{x1},{h} L{x0},{h} Z"
    else:
        defs = lin("f", FILL_STOPS)
        y0, y1 = 1.2, h - 1.2
        r = (y1 - y0) / 2
        if part == "start":
            d = f"M{w},{y0} L{r + 1},{y0} A{r},{r} 0 0,0 {r + 1},{y1} L{w},{y1} Z"
        elif part == "end":
            d = f"M0,{y0} L{w - r - 1},{y0} A{r},{r} 0 0,1 {w - r - 1},{y1} L0,{y1} Z"
        else:
            d = f"M0,{y0} L{w},{y0} L{w},{y1} L0,{y1} Z"
    return svg(w, h, f'<path d="{d}" fill="url(#f)"/>', defs)


def small_bar(w, h, fill):
    if not fill:
        return track(w, h)
    defs = lin("f", FILL_STOPS)
    return svg(w, h, rrect(1, 1, w - 2, h - 2, (h - 2) / 2, 'fill="url(#f)"'), defs)


def dotted_line(w):
    body = "".join(f'<rect x="{x}" y="0" width="2" height="1"/>' for x in range(0, w, 4))
    return svg(w, 1, f'<g fill="#ffffff" fill-opacity="0.55">{body}</g>')


def step_mark(state):
    w, h = 84, 16
    cx, cy, r = 7.5, 8, 6.2
    defs = (rad("dot", [(0, "#9fdcff"), (0.6, BLUE), (1, BLUE_DARK)], cx=0.4, cy=0.3, r=0.75) +
            blur("glow", 1.6))
    if state == "done":
        body = f'<rect x="15" y="7" width="{w - 15}" height="2" rx="1" fill="{BLUE}"/>'
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#dot)"/>'
        body += ('<path d="M4.8,8.2 L6.8,10.2 L10.4,6" fill="none" stroke="#fff" stroke-width="1.7" '
                 'stroke-linecap="round" stroke-linejoin="round"/>')
    elif state == "current":
        body = f'<rect x="15" y="7.25" width="{w - 15}" height="1.5" rx="0.75" fill="#4a4f57"/>'
        body += f'<rect x="15" y="7" width="22" height="2" rx="1" fill="{BLUE}" opacity="0.8"/>'
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{BLUE}" opacity="0.7" filter="url(#glow)"/>'
        body += f'<circle cx="{cx}" cy="{cy}" r="{r - 0.6}" fill="#10141a" stroke="{BLUE_LIGHT}" stroke-width="1.6"/>'
        body += f'<circle cx="{cx}" cy="{cy}" r="2.4" fill="#fff"/>'
    else:
        body = f'<rect x="15" y="7.25" width="{w - 15}" height="1.5" rx="0.75" fill="#3c4047"/>'
        body += f'<circle cx="{cx}" cy="{cy}" r="{r - 0.6}" fill="#1c1e22" stroke="#5c626b" stroke-width="1.5"/>'
    return svg(w, h, body, defs)


def arrow(w, h, up):
    defs = lin("a", [(0, "#ffffff"), (1, "#aeb8c3")]) + blur("soft", 0.6)
    if up:
        d = "M10,2.5 L17.5,11.5 L2.5,11.5 Z"
    else:
        d = "M2.5,2.5 L17.5,2.5 L10,11.5 Z"
    body = f'<path d="{d}" fill="#000" opacity="0.5" transform="translate(0,1)" filter="url(#soft)"/>'
    body += f'<path d="{d}" fill="url(#a)" stroke="#fff" stroke-width="1.5" stroke-linejoin="round"/>'
    return svg(w, h, body, defs)


def option_bar(w, h):
    defs = (lin("b", [(0, BLUE, 0.55), (0.6, "#0a78d8", 0.30), (1, "#0a78d8", 0.10)], x2=1, y2=0) +
            lin("edge", [(0, BLUE_LIGHT, 0.9), (1, BLUE_LIGHT, 0.1)], x2=1, y2=0) +
            lin("gl", [(0, WHITE, 0.18), (1, WHITE, 0)]))
    body = rrect(0.5, 0.5, w - 1, h - 1, 5, 'fill="url(#b)" stroke="url(#edge)" stroke-width="1"')
    body += rrect(1.5, 1.5, w - 3, h / 2 - 1, 4, 'fill="url(#gl)"')
    return svg(w, h, body, defs)


def shortcut_bar(w, h, kind):
    if kind == "grey":
        fill = lin("f", [(0, WHITE, 0.06), (1, WHITE, 0.02)])
        edge, accent = "rgba(255,255,255,0.08)", None
    elif kind == "faint":
        fill = lin("f", [(0, BLUE, 0.14), (1, BLUE, 0.05)])
        edge, accent = "rgba(0,160,255,0.35)", None
    else:
        fill = lin("f", [(0, "#0c3f6e", 0.95), (1, "#082845", 0.95)])
        edge, accent = "rgba(0,160,255,0.85)", BLUE
    defs = fill + lin("gl", [(0, WHITE, 0.10), (1, WHITE, 0)]) + blur("glow", 2)
    body = rrect(0.5, 0.5, w - 1, h - 1, 7, f'fill="url(#f)" stroke="{edge}" stroke-width="1"')
    body += rrect(1.5, 1.5, w - 3, h / 2 - 2, 6, 'fill="url(#gl)"')
    if accent:
        body += f'<rect x="{w - 7}" y="12" width="3" height="{h - 24}" rx="1.5" fill="{accent}" filter="url(#glow)"/>'
        body += f'<rect x="{w - 7}" y="12" width="3" height="{h - 24}" rx="1.5" fill="{BLUE_LIGHT}"/>'
    return svg(w, h, body, defs)


def folder_tile(w, h):
    defs = (lin("t", [(0, "#1e9cf0", 0.70), (1, "#0a5fb4", 0.62)]) +
            lin("gl", [(0, WHITE, 0.22), (1, WHITE, 0)]))
    body = rrect(1, 1, w - 2, h - 2, 12, 'fill="url(#t)" stroke="#6cc8ff" stroke-width="1.5"')
    body += rrect(2.5, 2.5, w - 5, h * 0.42, 10, 'fill="url(#gl)"')
    return svg(w, h, body, defs)


# --------------------------------------------------------- shortcut glyphs
# Drawn in a 52 x 52 box around (26, 24): the shortcut bars are 48 high and
# the icon is placed at their top-left corner, so the bottom rows are cut off.
# p is the main paint, d the detail colour (cut-outs, lines).

def sc_wand(p, d):
    return (f'<path d="M13,38 L31,20" stroke="{p}" stroke-width="5" stroke-linecap="round"/>'
            f'<path d="M27.5,23.5 L31,20" stroke="{d}" stroke-width="2" stroke-linecap="round"/>'
            f'<path d="{star4(35.5, 14.5, 7.5)}" fill="{p}"/>'
            f'<path d="{star4(41.5, 27.5, 4.2)}" fill="{p}"/>'
            f'<path d="{star4(24, 10, 3.4)}" fill="{p}"/>')


def sc_camera(p, d):
    return (f'<path d="M19,14 L21.5,10.5 L30.5,10.5 L33,14 Z" fill="{p}"/>'
            + rrect(10, 13.5, 32, 23, 4.5, f'fill="{p}"')
            + f'<circle cx="26" cy="25" r="7.6" fill="{d}"/><circle cx="26" cy="25" r="5.2" fill="{p}"/>'
            f'<circle cx="24.3" cy="23.3" r="1.6" fill="{d}" opacity="0.8"/>'
            f'<circle cx="36.8" cy="18" r="1.7" fill="{d}"/>')


def sc_photos(p, d):
    return (f'<g transform="rotate(-9 26 24)">' + rrect(13, 10.5, 28, 21, 3, f'fill="none" stroke="{p}" stroke-width="2.2" opacity="0.7"') + '</g>'
            + rrect(10, 15, 30, 22, 3, f'fill="{p}"')
            + f'<path d="M13,34 L20.5,25 L25.5,30.5 L29.5,26.5 L37,34 Z" fill="{d}"/>'
            f'<circle cx="32.5" cy="20.5" r="2.6" fill="{d}"/>')


def sc_documents(p, d):
    return (rrect(19, 8, 21, 27, 2.5, f'fill="none" stroke="{p}" stroke-width="2.2" opacity="0.7"')
            + f'<path d="M13,13 L27,13 L33,19 L33,39 Q33,40 32,40 L14,40 Q13,40 13,39 Z" fill="{p}"/>'
            f'<path d="M27,13 L27,19 L33,19" fill="{d}" opacity="0.55"/>'
            f'<path d="M17,24 L29,24 M17,28.5 L29,28.5 M17,33 L25,33" stroke="{d}" stroke-width="1.8" '
            f'stroke-linecap="round"/>')


def sc_tools(p, d):
    """A screwdriver crossed by an open-jaw wrench."""
    head = "M6.87,-3 L0.5,-3 L0.5,3 L6.87,3 A7.5,7.5 0 1,1 6.87,-3 Z"
    wrench = (f'<g transform="translate(26,24) rotate(-45) translate(8,0)">'
              f'<g fill="{p}" stroke="{d}" stroke-width="1.6">'
              f'<rect x="-25" y="-2.9" width="24" height="5.8" rx="2.9"/><path d="{head}"/></g>'
              f'<g fill="{p}"><rect x="-24.2" y="-2.1" width="23" height="4.2" rx="2.1"/>'
              f'<path d="{head}" transform="scale(0.88)"/></g>'
              f'<circle cx="-20.5" cy="0" r="1.1" fill="{d}"/></g>')
    driver = (f'<g transform="translate(26,24) rotate(-135) translate(1,0)">'
              f'<path d="M0,-1.4 L12,-1.4 L14.5,-0.6 L14.5,0.6 L12,1.4 L0,1.4 Z" fill="{p}"/>'
              + rrect(-16, -3.8, 16.5, 7.6, 3.2, f'fill="{p}"')
              + f'<path d="M-12,-1.4 L-3,-1.4 M-12,1.4 L-3,1.4" stroke="{d}" stroke-width="1.1" '
              f'stroke-linecap="round"/></g>')
    return driver + wrench


def sc_globe(p, d):
    return (f'<g fill="none" stroke="{p}" stroke-width="2.2">'
            f'<circle cx="26" cy="24" r="13.5"/>'
            f'<ellipse cx="26" cy="24" rx="6" ry="13.5"/>'
            f'<path d="M12.5,24 L39.5,24 M14.5,17 L37.5,17 M14.5,31 L37.5,31 M26,10.5 L26,37.5" stroke-width="1.8"/>'
            f'</g>')


def sc_download(p, d):
    return (f'<path d="M26,8.5 L26,27" stroke="{p}" stroke-width="4" stroke-linecap="round"/>'
            f'<path d="M17.5,20 L26,29 L34.5,20" fill="none" stroke="{p}" stroke-width="4" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="M11.5,29 L11.5,36 Q11.5,38.5 14,38.5 L38,38.5 Q40.5,38.5 40.5,36 L40.5,29" fill="none" '
            f'stroke="{p}" stroke-width="3.4" stroke-linecap="round" stroke-linejoin="round"/>')


def sc_disk(p, d):
    return (rrect(10, 12, 32, 25, 4.5, f'fill="{p}"')
            + f'<path d="M10.5,29 L41.5,29" stroke="{d}" stroke-width="1.6"/>'
            f'<circle cx="36" cy="33" r="1.7" fill="{d}"/>'
            f'<path d="M15,33 L27,33" stroke="{d}" stroke-width="1.6" stroke-linecap="round"/>'
            f'<circle cx="26" cy="20.5" r="5.5" fill="none" stroke="{d}" stroke-width="1.6"/>'
            f'<circle cx="26" cy="20.5" r="1.4" fill="{d}"/>')


def sc_backup(p, d):
    return (f'<path d="{arc(26, 24, 13, 200, 330)}" fill="none" stroke="{p}" stroke-width="3.2" stroke-linecap="round"/>'
            f'<path d="{arrow_head(26, 24, 13, 337, 5)}" fill="{p}"/>'
            f'<path d="{arc(26, 24, 13, 20, 150)}" fill="none" stroke="{p}" stroke-width="3.2" stroke-linecap="round"/>'
            f'<path d="{arrow_head(26, 24, 13, 157, 5)}" fill="{p}"/>'
            f'<ellipse cx="26" cy="19.5" rx="6" ry="2.2" fill="{p}"/>'
            f'<path d="M20,19.5 L20,28.5 A6,2.2 0 0,0 32,28.5 L32,19.5 A6,2.2 0 0,1 20,19.5 Z" fill="{p}"/>'
            f'<path d="M20,24 A6,2.2 0 0,0 32,24" fill="none" stroke="{d}" stroke-width="1.2"/>'
            f'<ellipse cx="26" cy="19.5" rx="6" ry="2.2" fill="none" stroke="{d}" stroke-width="1.2"/>')


def sc_folder(p, d):
    return (f'<path d="M10,14 Q10,11 13,11 L20.5,11 L24,14.5 L39,14.5 Q42,14.5 42,17.5 L42,20 L10,20 Z" '
            f'fill="{p}" opacity="0.75"/>'
            f'<path d="M10,19 Q10,17.5 11.5,17.5 L40.5,17.5 Q42,17.5 42,19 L42,35 Q42,38 39,38 L13,38 '
            f'Q10,38 10,35 Z" fill="{p}"/>'
            f'<path d="M11,21.5 L41,21.5" stroke="{d}" stroke-width="1.2" opacity="0.6"/>')


def shortcut_icon(glyph, lit):
    if lit:
        defs = (lin("g", [(0, "#9fdcff"), (0.45, "#2db2ff"), (1, "#0a7ee0")]) + blur("glow", 2.4))
        body = f'<g opacity="0.85" filter="url(#glow)">{glyph(BLUE, BLUE)}</g>'
        body += glyph("url(#g)", "#0b2238")
    else:
        defs = lin("g", [(0, "#8c929b"), (1, "#60666f")])
        body = glyph("url(#g)", "#1f2125")
    return svg(52, 52, body, defs)


# ----------------------------------------------------------- illustrations

def key(w, h):
    defs = (lin("metal", [(0, "#ffffff"), (0.5, "#c9d1da"), (1, "#8a95a1")]) +
            rad("ring", [(0, BLUE_LIGHT), (1, BLUE_DARK)], cx=0.4, cy=0.35, r=0.7) +
            blur("soft", 1.2) + blur("glow", 3))
    shape = ('<path fill-rule="evenodd" d="M18,8 A13,13 0 1,1 17.99,8 Z M18,15.5 A5.5,5.5 0 1,0 18.01,15.5 Z"/>'
             '<path d="M29,18 L62,18 Q65,18 65,21 L65,24 Q65,26 63,26 L60,26 L60,33 L55,33 L55,26 L52,26 '
             'L52,31 L47,31 L47,26 L29,26 Z"/>')
    body = f'<g transform="rotate(-10 35 22) translate(0,1)">'
    body += f'<circle cx="18" cy="21" r="12" fill="{BLUE}" opacity="0.45" filter="url(#glow)"/>'
    body += f'<g fill="#000" opacity="0.55" transform="translate(0,1.5)" filter="url(#soft)">{shape}</g>'
    body += f'<g fill="url(#metal)" stroke="#3a4048" stroke-width="0.8">{shape}</g>'
    body += '<circle cx="18" cy="21" r="8.2" fill="none" stroke="url(#ring)" stroke-width="3"/>'
    body += '<path d="M31,20.2 L61,20.2" stroke="#fff" stroke-opacity="0.7" stroke-width="1"/>'
    body += '</g>'
    return svg(w, h, body, defs)


def pencil(w, h, colour):
    body_c, dark, edge = {"grey": ("#9aa1aa", "#6c737c", "#4a5058"),
                          "blue": ("#2db2ff", "#0a74d4", "#075aa8"),
                          "black": ("#2b2d31", "#111214", "#8b9199")}[colour]
    defs = lin("b", [(0, body_c), (0.5, body_c), (0.5, dark), (1, dark)]) + blur("soft", 0.8)
    # Drawn lying along x with its tip at the origin, then tilted.
    shape = (f'<path d="M0,0 L9,-4.2 L9,4.2 Z" fill="#ecd3a3"/>'
             f'<path d="M0,0 L3.2,-1.5 L3.2,1.5 Z" fill="#2a2a2a"/>'
             f'<rect x="9" y="-4.2" width="22" height="8.4" fill="url(#b)" stroke="{edge}" stroke-width="0.6"/>'
             f'<rect x="31" y="-4.2" width="3" height="8.4" fill="#c8ced6" stroke="{edge}" stroke-width="0.6"/>'
             f'<path d="M34,-4.2 L36,-4.2 Q38.5,-4.2 38.5,-1.7 L38.5,1.7 Q38.5,4.2 36,4.2 L34,4.2 Z" fill="#e58a8a" '
             f'stroke="{edge}" stroke-width="0.6"/>')
    body = (f'<g transform="translate(5,29) rotate(-38)"><g transform="translate(0,1.6)" opacity="0.45" '
            f'filter="url(#soft)"><path d="M0,0 L9,-4.2 L38.5,-4.2 L38.5,4.2 L9,4.2 Z" fill="#000"/></g>{shape}</g>')
    return svg(w, h, body, defs)


def wand(w, h):
    defs = (lin("stick", [(0, "#50555e"), (0.5, "#2a2d33"), (1, "#17191c")], x1=0, y1=0, x2=1, y2=1) +
            rad("star", [(0, "#fff7e0"), (0.5, AMBER_LIGHT), (1, AMBER)], r=0.5) +
            rad("bstar", [(0, "#e6f6ff"), (1, BLUE)], r=0.5) +
            rad("halo", [(0, WHITE, 0.85), (0.35, BLUE_LIGHT, 0.55), (1, BLUE, 0)]) + blur("soft", 2))
    body = '<circle cx="66" cy="34" r="26" fill="url(#halo)" opacity="0.55"/>'
    body += '<path d="M20,86 L63,43" stroke="#000" stroke-opacity="0.5" stroke-width="10" stroke-linecap="round" filter="url(#soft)" transform="translate(1,3)"/>'
    body += '<path d="M20,84 L62,42" stroke="url(#stick)" stroke-width="9" stroke-linecap="round"/>'
    body += '<path d="M20,84 L62,42" stroke="#fff" stroke-opacity="0.18" stroke-width="2" stroke-linecap="round" transform="translate(-2,-2)"/>'
    body += '<path d="M52,52 L62,42" stroke="#ffffff" stroke-width="9" stroke-linecap="round"/>'
    body += f'<path d="M52,52 L50,54" stroke="{BLUE}" stroke-width="9"/>'
    body += f'<path d="{star4(70, 30, 17, 0.3)}" fill="url(#star)" stroke="#fff" stroke-width="0.8"/>'
    body += f'<path d="{star4(88, 56, 8, 0.3)}" fill="url(#bstar)"/>'
    body += f'<path d="{star4(44, 16, 7, 0.3)}" fill="url(#bstar)"/>'
    body += f'<path d="{star4(86, 12, 4.5, 0.3)}" fill="url(#star)"/>'
    for cx, cy, r in ((58, 20, 1.6), (80, 42, 1.4), (94, 30, 1.2), (36, 30, 1.2), (74, 70, 1.4)):
        body += f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#fff" opacity="0.85"/>'
    return svg(w, h, body, defs)


def gears(w, h):
    defs = (lin("steel", [(0, "#f2f5f8"), (0.5, "#aeb7c1"), (1, "#6d7681")]) +
            lin("blue", [(0, "#7fd4ff"), (0.5, "#1a9af0"), (1, "#0a5fb4")]) + blur("soft", 1.8))
    big = gear_path(40, 58, 31, 24, 12, 8, 0.45)
    small = gear_path(73, 28, 19, 14, 9, 5, 0.45)
    body = (f'<g transform="translate(1.5,3)" opacity="0.55" filter="url(#soft)"><path d="{big}" fill="#000" '
            f'fill-rule="evenodd"/><path d="{small}" fill="#000" fill-rule="evenodd"/></g>')
    body += f'<path d="{big}" fill="url(#steel)" fill-rule="evenodd" stroke="#3a4048" stroke-width="0.8"/>'
    body += '<circle cx="40" cy="58" r="17" fill="none" stroke="#000" stroke-opacity="0.18" stroke-width="5"/>'
    body += f'<circle cx="40" cy="58" r="8" fill="none" stroke="{BLUE}" stroke-width="2.4"/>'
    body += (f'<g transform="rotate(20 73 28)"><path d="{small}" fill="url(#blue)" fill-rule="evenodd" '
             f'stroke="#07467f" stroke-width="0.8"/></g>')
    body += '<circle cx="73" cy="28" r="9.5" fill="none" stroke="#fff" stroke-opacity="0.25" stroke-width="2.5"/>'
    return svg(w, h, body, defs)


def check_mark(w, h):
    c = w / 2
    defs = (rad("face", [(0, "#6fd0ff"), (0.6, "#159af0"), (1, "#0a64bd")], cx=0.4, cy=0.3, r=0.8) +
            blur("glow", 2.2) + lin("gl", [(0, WHITE, 0.35), (1, WHITE, 0)]))
    body = f'<circle cx="{c}" cy="{c}" r="{c - 4}" fill="{BLUE}" opacity="0.6" filter="url(#glow)"/>'
    body += f'<circle cx="{c}" cy="{c}" r="{c - 4}" fill="url(#face)" stroke="#9fdcff" stroke-width="1.2"/>'
    body += f'<ellipse cx="{c}" cy="{c - 11}" rx="{c - 12}" ry="12" fill="url(#gl)"/>'
    path = "M17,30 L25.5,38.5 L41.5,21"
    body += (f'<path d="{path}" fill="none" stroke="#003a70" stroke-opacity="0.35" stroke-width="5.5" '
             f'stroke-linecap="round" stroke-linejoin="round" transform="translate(0,1.2)"/>')
    body += (f'<path d="{path}" fill="none" stroke="#fff" stroke-width="5.5" stroke-linecap="round" '
             f'stroke-linejoin="round"/>')
    return svg(w, h, body, defs)


def cylinder(x, y, w, h, top="url(#top)", side="url(#side)", bands=()):
    ry = w * 0.2
    out = (f'<path d="M{x},{y} L{x},{y + h} A{w / 2},{ry} 0 0,0 {x + w},{y + h} L{x + w},{y} Z" fill="{side}" '
           f'stroke="#1b1e23" stroke-width="0.8"/>')
    for by, colour in bands:
        out += (f'<path d="M{x},{y + by} A{w / 2},{ry} 0 0,0 {x + w},{y + by} L{x + w},{y + by + 4} '
                f'A{w / 2},{ry} 0 0,1 {x},{y + by + 4} Z" fill="{colour}"/>')
    out += (f'<ellipse cx="{x + w / 2}" cy="{y}" rx="{w / 2}" ry="{ry}" fill="{top}" stroke="#1b1e23" '
            f'stroke-width="0.8"/>')
    return out


def disk_layout(w, h, kind):
    defs = (lin("side", [(0, "#7d8590"), (0.35, "#c3cad3"), (1, "#59616b")], x2=1, y2=0) +
            lin("top", [(0, "#9fdcff"), (1, BLUE)]) + lin("arrow", [(0, "#fff"), (1, "#c5ccd4")]))
    if kind == "standalone":
        body = cylinder(5, 10, 18, 28) + cylinder(35, 10, 18, 28)
    elif kind == "jbod":
        body = cylinder(5, 8, 18, 14) + cylinder(5, 26, 18, 14)
        body += cylinder(35, 8, 18, 14) + cylinder(35, 26, 18, 14)
        body += (f'<path d="M26,9 L29,9 L29,40 L26,40 M29,24.5 L32,24.5" fill="none" stroke="{BLUE_LIGHT}" '
                 f'stroke-width="1.6" stroke-linejoin="round"/>')
    elif kind == "raid0":
        stripes_a = [(6, BLUE), (18, BLUE)]
        stripes_b = [(12, BLUE_LIGHT), (24, BLUE_LIGHT)]
        body = cylinder(5, 8, 18, 30, bands=stripes_a) + cylinder(35, 8, 18, 30, bands=stripes_b)
    else:
        bands = [(8, BLUE), (16, BLUE), (24, BLUE)]
        body = cylinder(3, 8, 18, 30, bands=bands) + cylinder(37, 8, 18, 30, bands=bands)
        body += ('<path d="M23.5,24 L34.5,24" stroke="url(#arrow)" stroke-width="1.8"/>'
                 '<path d="M22.5,24 L26.5,21 L26.5,27 Z M35.5,24 L31.5,21 L31.5,27 Z" fill="#fff"/>')
    return svg(w, h, body, defs)


def folder_disk(w, h):
    """The drive picture of every share tile; kept off the bottom rows where the name goes."""
    defs = (lin("front", [(0, "#7a838e"), (0.45, "#4f565f"), (1, "#30343a")]) +
            lin("top", [(0, "#dfe4ea"), (1, "#98a1ac")]) +
            lin("side", [(0, "#3e434a"), (1, "#24272c")]) +
            lin("edge", [(0, "#ffffff", 0.6), (1, "#ffffff", 0.08)]) + blur("soft", 2) + blur("led", 1.5))
    body = '<ellipse cx="37" cy="62" rx="28" ry="4" fill="#000" opacity="0.6" filter="url(#soft)"/>'
    body += '<g transform="translate(37,34) scale(1.12) translate(-37,-34)">'
    body += '<path d="M14,22 L22,10 L60,10 L52,22 Z" fill="url(#top)" stroke="#2a2e34" stroke-width="0.8"/>'
    body += '<path d="M52,22 L60,10 L60,46 L52,58 Z" fill="url(#side)" stroke="#1a1c20" stroke-width="0.8"/>'
    body += rrect(14, 22, 38, 36, 2, 'fill="url(#front)" stroke="#1a1c20" stroke-width="0.8"')
    body += rrect(14.8, 22.8, 36.4, 34.4, 1.5, 'fill="none" stroke="url(#edge)" stroke-width="0.8"')
    for i in range(5):
        y = 29 + i * 4
        body += f'<path d="M19,{y} L38,{y}" stroke="#1a1c20" stroke-width="1.6" stroke-linecap="round"/>'
        body += f'<path d="M19,{y + 0.9} L38,{y + 0.9}" stroke="#fff" stroke-opacity="0.14" stroke-width="0.8"/>'
    body += f'<circle cx="45" cy="51" r="2.8" fill="{BLUE}" filter="url(#led)"/>'
    body += '<circle cx="45" cy="51" r="1.6" fill="#cdeeff"/>'
    body += f'<rect x="18" y="50" width="16" height="2.2" rx="1.1" fill="{BLUE}" opacity="0.85"/>'
    body += '</g>'
    return svg(w, h, body, defs)


def logo(w, h):
    defs = (lin("mark", [(0, "#5cc8ff"), (0.55, "#0b8de6"), (1, "#0a52a0")], x1=0, y1=0, x2=1, y2=1) +
            rad("sun", [(0, "#fff3d0"), (0.5, AMBER), (1, "#f07a10")], cx=0.4, cy=0.35, r=0.7) +
            lin("gl", [(0, WHITE, 0.35), (1, WHITE, 0)]) + blur("soft", 1.5) + blur("glow", 2.5) +
            lin("word", [(0, "#ffffff"), (1, "#d5dbe2")]))
    body = rrect(6, 9, 45, 45, 11, 'fill="#000" opacity="0.55" filter="url(#soft)"')
    body += rrect(5, 6, 45, 45, 11, 'fill="url(#mark)" stroke="#9fdcff" stroke-opacity="0.6" stroke-width="1"')
    body += rrect(6, 7, 43, 20, 10, 'fill="url(#gl)"')
    body += ('<path d="M18,15 L18,41 L37,41" fill="none" stroke="#fff" stroke-width="6.5" '
             'stroke-linecap="round" stroke-linejoin="round"/>')
    body += f'<circle cx="36" cy="21" r="6.5" fill="{AMBER}" opacity="0.6" filter="url(#glow)"/>'
    body += '<circle cx="36" cy="21" r="5" fill="url(#sun)"/>'
    body += ('<text x="62" y="40" font-family="DejaVu Sans" font-weight="bold" font-size="35" '
             'letter-spacing="-0.5" fill="url(#word)">Lumora</text>')
    body += ('<text x="64" y="55" font-family="DejaVu Sans" font-size="9.5" letter-spacing="3.2" '
             f'fill="{GLYPH_GREY}">STORAGE ASSISTANT</text>')
    return svg(w, h, body, defs)


# ------------------------------------------------------------- the catalogue

def drawings():
    rb = round_button
    d = {
        142: lambda w, h: rb(w, "grey", g_help),
        143: lambda w, h: rb(w, "blue", g_help),
        144: lambda w, h: rb(w, "light", g_help),
        145: lambda w, h: push_button(w, h, True),
        146: lambda w, h: rb(w, "light", g_gear),
        147: lambda w, h: rb(w, "blue", g_gear),
        148: lambda w, h: rb(w, "grey", g_gear),
        149: lambda w, h: rb(w, "blue", g_minimize),
        150: lambda w, h: rb(w, "light", g_minimize),
        151: lambda w, h: rb(w, "grey", g_minimize),
        152: lambda w, h: rb(w, "light", g_refresh),
        153: lambda w, h: rb(w, "blue", g_refresh),
        154: lambda w, h: rb(w, "grey", g_refresh),
        155: lambda w, h: rb(w, "black", g_close),
        156: lambda w, h: rb(w, "blue", g_close),
        157: lambda w, h: rb(w, "dim", g_close),
        158: lambda w, h: push_button(w, h, False),
        159: ip_frame,
        160: lambda w, h: panel(w, h, 605, 397, 14),
        161: key,
        162: lambda w, h: pencil(w, h, "grey"),
        163: lambda w, h: pencil(w, h, "blue"),
        164: lambda w, h: pencil(w, h, "black"),
        165: lambda w, h: checkbox(w, False),
        166: lambda w, h: checkbox(w, True),
        167: lambda w, h: radio(w, False),
        168: lambda w, h: radio(w, True),
        169: lambda w, h: panel(w, h, 772, 503, 17, footer=422),
        170: wand,
        171: track,
        172: lambda w, h: piece(w, h, "start"),
        173: lambda w, h: piece(w, h, "middle"),
        174: lambda w, h: piece(w, h, "end"),
        175: combo_frame,
        176: lambda w, h: small_bar(w, h, False),
        177: lambda w, h: small_bar(w, h, True),
        178: gears,
        179: lambda w, h: dotted_line(w),
        197: lambda w, h: shortcut_bar(w, h, "grey"),
        198: lambda w, h: shortcut_bar(w, h, "blue"),
        199: lambda w, h: shortcut_bar(w, h, "faint"),
        201: lambda w, h: step_mark("done"),
        202: lambda w, h: step_mark("current"),
        203: lambda w, h: step_mark("to come"),
        204: lambda w, h: arrow(w, h, False),
        205: lambda w, h: arrow(w, h, True),
        206: lambda w, h: disk_layout(w, h, "standalone"),
        207: lambda w, h: disk_layout(w, h, "jbod"),
        208: lambda w, h: disk_layout(w, h, "raid0"),
        209: lambda w, h: disk_layout(w, h, "raid1"),
        211: option_bar,
        212: lambda w, h: background(w, h, "green"),
        214: lambda w, h: piece(w, h, "end"),
        215: track,
        216: lambda w, h: piece(w, h, "start"),
        217: lambda w, h: piece(w, h, "middle"),
        218: lambda w, h: track(w, h, vertical=True),
        219: lambda w, h: piece(w, h, "middle", vertical=True),
        220: lambda w, h: piece(w, h, "start", vertical=True),
        221: lambda w, h: piece(w, h, "end", vertical=True),
        222: folder_tile,
        223: combo_frame,
        224: folder_disk,
        227: lambda w, h: background(w, h, "grey"),
        228: logo,
        231: check_mark,
        234: lambda w, h: rb(w, "grey", g_logout),
        235: lambda w, h: rb(w, "blue", g_logout),
        236: lambda w, h: rb(w, "light", g_logout),
    }
    icons = {180: (sc_backup, True), 200: (sc_backup, False),
             181: (sc_wand, False), 182: (sc_wand, True),
             183: (sc_camera, False), 184: (sc_camera, True),
             185: (sc_photos, False), 186: (sc_photos, True),
             187: (sc_documents, False), 188: (sc_documents, True),
             189: (sc_tools, False), 190: (sc_tools, True),
             191: (sc_globe, False), 192: (sc_globe, True),
             193: (sc_download, False), 194: (sc_download, True),
             195: (sc_disk, False), 196: (sc_disk, True),
             225: (sc_folder, False), 226: (sc_folder, True)}
    for i, (glyph, lit) in icons.items():
        d[i] = (lambda g, l: lambda w, h: shortcut_icon(g, l))(glyph, lit)
    return d


def write_id_header(catalogue):
    """src/ui/skin/ImageIds.h follows the catalogue, so code and pictures agree."""
    lines = ["#pragma once",
             "// Numeric ids of the pictures compiled into the program, named for their role.",
             "// Sizes in pixels are given after each id; controls draw several at fixed sizes.",
             "// Generated from res/catalogue.txt by res/generate.py.",
             "",
             "namespace lumora {",
             ""]
    with open(os.path.join(HERE, "catalogue.txt"), encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if not parts or parts[0].startswith("#"):
                continue
            i, w, h, name = int(parts[0]), parts[1], parts[2], parts[3]
            lines.append(f"inline constexpr int {name:<24} = {i};  // {w}x{h} {' '.join(parts[4:])}")
    lines += ["", "}  // namespace lumora", ""]
    path = os.path.join(HERE, "..", "src", "ui", "skin", "ImageIds.h")
    text = "\n".join(lines)
    old = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
    if old != text:
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "svg")
    os.makedirs(out, exist_ok=True)
    catalogue = read_catalogue()
    draw = drawings()
    missing = sorted(set(catalogue) - set(draw))
    if missing:
        sys.exit(f"no drawing for ids {missing}")
    for i, (w, h, _name) in sorted(catalogue.items()):
        with open(os.path.join(out, f"{i}.svg"), "w", encoding="utf-8") as f:
            f.write(draw[i](w, h))
    write_id_header(catalogue)


if __name__ == "__main__":
    main()
