#!/usr/bin/env python3
"""Writes SVG previews of the rendered pictures (res/png) for a designer to look at:
a labelled contact sheet with the small pictures enlarged, and mock-ups of the main
window, the login dialog and the wizard that put the pictures where the windows
draw them. res/generate.sh renders them next to this script."""

import html
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generate import read_catalogue  # noqa: E402

PNG = os.path.join(HERE, "png")


def img(i, x, y, w=None, h=None, opacity=1.0):
    cat = read_catalogue()
    iw, ih, _ = cat[i]
    w = iw if w is None else w
    h = ih if h is None else h
    return (f'<image href="file://{PNG}/{i}.png" x="{x}" y="{y}" width="{w}" height="{h}" '
            f'preserveAspectRatio="none" opacity="{opacity}"/>')


def text(x, y, s, size=13, colour="#ffffff", weight="normal", anchor="start"):
    return (f'<text x="{x}" y="{y}" font-family="DejaVu Sans" font-size="{size}" font-weight="{weight}" '
            f'fill="{colour}" text-anchor="{anchor}">{html.escape(s)}</text>')


def doc(w, h, body, bg="#2b2e33"):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}">'
            f'<rect width="{w}" height="{h}" fill="{bg}"/>{body}</svg>')


def contact_sheet():
    cat = read_catalogue()
    cols, cell_w = 6, 270
    x = y = 0
    row_h = 0
    body = ""
    for i, (w, h, name) in sorted(cat.items()):
        zoom = 3 if max(w, h) <= 60 else 2 if max(w, h) <= 130 else 1
        dw, dh = w * zoom, h * zoom
        if dw > cell_w - 10:
            zoom = (cell_w - 10) / w
            dw, dh = cell_w - 10, h * zoom
        cell_h = max(dh, 1) + 34
        if x + cell_w > cols * cell_w:
            x, y, row_h = 0, y + row_h, 0
        body += f'<rect x="{x + 2}" y="{y + 2}" width="{cell_w - 4}" height="{cell_h - 4}" fill="#24272b" rx="4"/>'
        body += img(i, x + (cell_w - dw) / 2, y + 6, dw, max(dh, 1 * zoom))
        body += text(x + cell_w / 2, y + cell_h - 12, f"{i}  {w}x{h}  {name[4:].lower()}", 11, "#c8ced6",
                     anchor="middle")
        row_h = max(row_h, cell_h)
        x += cell_w
    return doc(cols * cell_w, y + row_h, body)


def main_window():
    b = img(227, 0, 0, 1024, 680)
    b += img(228, 20, 20)
    for i, x in ((236, 841), (146, 878), (144, 917)):
        b += img(i, x, 6)
    b += img(150, 961, 7) + img(155, 991, 7)
    b += text(850, 82, "Select NAS/Short Cut", 16, "#969696", anchor="middle")
    b += text(640, 129, "Select NAS", 24, "#ffffff", "bold", anchor="middle")
    b += img(175, 343, 145, 500, 30)
    b += text(351, 165, "KL-440  (192.168.1.20)", 16, "#323232")
    b += img(158, 482, 188) + text(537, 210, "Connect", 16, anchor="middle")
    b += img(145, 600, 188) + text(655, 210, "Refresh", 16, anchor="middle")
    shortcuts = [("Wizard", 181, 182), ("Folder", 225, 226), ("Management Center", 189, 190),
                 ("Download Center", 193, 194), ("Backup Center", 200, 180)]
    for n, (label, icon, lit) in enumerate(shortcuts):
        y = 145 + 53 * n
        state = ["normal", "selected", "hover", "normal", "normal"][n]
        bar = {"normal": 197, "selected": 198, "hover": 199}[state]
        b += img(bar, 50, y, 240, 48)
        b += f'<svg x="50" y="{y}" width="240" height="48">{img(lit if state != "normal" else icon, 0, 0)}</svg>'
        colour = "#00a0ff" if state != "normal" else "#646464"
        b += text(104, y + 30, label, 16, colour, "bold" if state == "hover" else "normal")
    # Information panel: white at alpha 20 over the background, two folders, a volume.
    b += '<rect x="316" y="256" width="581" height="358" rx="12" fill="#fff" fill-opacity="0.08"/>'
    b += text(346, 286, "Name: KL-440    IP: 192.168.1.20", 16)
    b += '<path d="M503,302.5 L708,302.5 M503,303.5 L708,303.5" stroke="#fff"/>'
    for n, name in enumerate(["public", "photos", "backup", "music", "video"]):
        tx, ty = 347 + (n % 4) * 130, 391 + 37 + (n // 4) * 130
        if n == 1:
            b += img(222, tx, ty)
        b += img(224, tx + 21, ty + 21)
        b += text(tx + 58, ty + 102, name, 15, anchor="middle")
    b += img(218, 316 + 31 + 506, 256 + 135, 13, 200)
    b += img(220, 853, 391) + "".join(img(219, 853, 401 + 10 * k) for k in range(6))
    return doc(1024, 680, b)


def login_dialog():
    b = '<rect width="640" height="440" fill="#191a1d"/>'
    b += f'<g transform="translate(17,20)">'
    b += img(160, 0, 0)
    b += img(161, 270, 36)
    b += text(212, 109, "User Name", 16)
    b += '<rect x="208" y="117" width="188" height="28" fill="#fff" stroke="#8a939c"/>' + text(214, 137, "admin", 16, "#000")
    b += text(212, 181, "Password", 16)
    b += '<rect x="208" y="190" width="188" height="29" fill="#fff" stroke="#8a939c"/>' + text(214, 210, "••••••", 16, "#000")
    b += img(165, 208, 247) + img(166, 208, 247) + text(231, 262, "Remember Me", 16)
    b += img(158, 184, 320) + text(239, 342, "OK", 16, anchor="middle")
    b += img(145, 312, 320) + text(367, 342, "Cancel", 16, anchor="middle")
    b += img(155, 570, 12)
    b += '</g>'
    return doc(640, 440, b)


def wizard():
    b = '<rect width="810" height="540" fill="#191a1d"/>'
    b += '<g transform="translate(18,17)">'
    b += img(169, 0, 0)
    b += img(170, 26, 19)
    b += text(148, 86, "Wizard", 30, weight="bold") + text(270, 83, "Network", 18, "#c8ced6")
    b += '<path d="M144,95.5 L695,95.5" stroke="rgb(80,81,67)"/>'
    tabs = ["Password", "Device Info", "TimeZone", "Network", "Raid", "Drive Mapping"]
    for n, label in enumerate(tabs):
        x = 171 + 84 * n
        state = 201 if n < 3 else 202 if n == 3 else 203
        colour = {201: "#ffffff", 202: "#00a0ff", 203: "#646464"}[state]
        if n == 5:
            b += f'<svg x="{x}" y="113" width="15" height="16">{img(state, 0, 0)}</svg>'
        else:
            b += img(state, x, 113)
        b += text(x, 148, label, 12, colour)
    b += img(167, 184, 183) + text(207, 197, "DHCP", 15)
    b += img(168, 184, 213) + text(207, 227, "Static IP Address", 15)
    for n, label in enumerate(["IP Address", "Subnet Mask", "Gateway"]):
        y = 240 + 32 * n
        b += text(315, y + 18, label, 14, anchor="end") + img(159, 326, y)
        b += text(420, y + 19, "192 . 168 .   1 .  20" if n == 0 else "255 . 255 . 255 .   0" if n == 1 else "", 14, "#000", anchor="middle")
    b += img(171, 150, 370) + img(172, 150, 370) + "".join(img(173, 160 + 10 * k, 370) for k in range(20))
    b += img(215, 150, 395) + img(216, 150, 395) + "".join(img(217, 160 + 10 * k, 395) for k in range(12))
    b += img(214, 280, 395)
    for n, (label, face) in enumerate([("Skip", 158), ("Previous", 158), ("Next", 145), ("Exit", 158)]):
        x = 152 + 120 * n
        b += img(face, x, 435) + text(x + 55, 457, label, 15, anchor="middle")
    b += img(156, 724, 13)
    b += img(211, 460, 186, 280, 58, 0.78) + img(168, 460, 206) + img(208, 483, 192)
    b += text(560, 208, "RAID 0", 15) + text(560, 228, "Striping, fastest", 11, "#c8ced6")
    b += img(231, 640, 250) + img(178, 620, 320, 60, 60)
    b += '</g>'
    return doc(810, 540, b)


def settings_and_format():
    """The settings dialog (left) and the format progress dialog (right), half scale side by side,
    and the volume page's layout choices below, at full scale."""
    b = '<rect width="1600" height="820" fill="#191a1d"/>'
    b += '<g transform="translate(16,16)">' + img(169, 0, 0) + img(178, 30, 24)
    b += text(150, 80, "Settings", 36, weight="bold")
    b += text(150, 110, "Log out automatically after a period without activity.", 13, "#c8ced6")
    b += text(90, 170, "Logout Time", 18, "#00a0ff") + img(179, 30, 176, 200, 1)
    for n, label in enumerate(["5 minutes", "15 minutes", "30 minutes", "60 minutes", "Never"]):
        y = 200 + 34 * n
        b += img(168 if n == 2 else 167, 260, y) + text(284, y + 14, label, 16)
    b += img(165, 260, 380) + text(286, 395, "Start with the system", 16)
    b += img(158, 272, 435) + text(327, 457, "OK", 15, anchor="middle")
    b += img(145, 392, 435) + text(447, 457, "Cancel", 15, anchor="middle")
    b += img(158, 512, 435, opacity=0.5) + text(567, 457, "Apply", 15, "#646464", anchor="middle")
    b += img(155, 724, 13) + '</g>'
    b += '<g transform="translate(808,16)">' + img(169, 0, 0) + img(231, 357, 105, 55, 55)
    b += text(387, 186, "Formatting finished", 18, anchor="middle")
    b += img(171, 203, 216) + img(172, 203, 216) + "".join(img(173, 213 + 10 * k, 216) for k in range(33))
    b += img(173, 543, 216, 7, 16) + img(174, 550, 216)
    b += text(574, 229, "100%", 13)
    b += text(202, 262, "The volumes are ready.", 13, "#c8ced6")
    b += img(158, 272, 435) + text(327, 457, "OK", 15, anchor="middle")
    b += img(145, 392, 435) + text(447, 457, "Cancel", 15, anchor="middle")
    b += img(157, 723, 12) + '</g>'
    rows = [("Standalone", 206), ("JBOD", 207), ("RAID 0", 208), ("RAID 1", 209)]
    for n, (label, pic) in enumerate(rows):
        y, x = 540 + 58 * n, 40
        if n == 2:
            b += img(211, x, y, 533, 58, 0.78)
        b += img(168 if n == 2 else 167, x, y + 20) + img(pic, x + 23, y + 6)
        b += text(x + 100, y + 22, label, 16) + text(x + 100, y + 40, "Each disk is its own volume.", 12, "#c8ced6")
    b += '<g transform="translate(700,560)">'
    b += img(223, 0, 0) + text(8, 21, "Z:", 15, "#323232")
    b += img(175, 0, 50, 500, 30) + text(8, 70, "KL-440 (192.168.1.20)", 15, "#323232")
    b += img(215, 0, 100) + img(216, 0, 100) + "".join(img(217, 10 + 10 * k, 100) for k in range(6)) + img(214, 70, 100)
    b += img(176, 0, 130) + img(177, 0, 130, 90, 12)
    for k, i in enumerate([162, 163, 164, 161, 205, 204]):
        b += img(i, 300 + 50 * (k % 3), 100 + 45 * (k // 3))
    b += '</g>'
    return doc(1600, 820, b)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    for name, make in (("contact-sheet", contact_sheet), ("preview-main", main_window),
                       ("preview-login", login_dialog), ("preview-wizard", wizard),
                       ("preview-dialogs", settings_and_format)):
        with open(os.path.join(out, f"{name}.svg"), "w", encoding="utf-8") as f:
            f.write(make())


if __name__ == "__main__":
    main()
