# The Sierpinski triangle: a triangle is split into the three half-size
# triangles at its corners, and each of those is split the same way, one
# level deeper every second up to seven levels (a recursive function that
# calls itself three times). Integer division keeps the corners on whole
# pixels. Escape or the close button ends it.
def sierpinski(x1, y1, x2, y2, x3, y3, depth, c) {
    if depth == 0 {
        fill(triangle(x1, y1, x2, y2, x3, y3), c)
    } else {
        # The midpoints of the three sides.
        let ax = (x1 + x2) / 2
        let ay = (y1 + y2) / 2
        let bx = (x2 + x3) / 2
        let by = (y2 + y3) / 2
        let cx = (x3 + x1) / 2
        let cy = (y3 + y1) / 2
        sierpinski(x1, y1, ax, ay, cx, cy, depth - 1, c)
        sierpinski(ax, ay, x2, y2, bx, by, depth - 1, c)
        sierpinski(cx, cy, bx, by, x3, y3, depth - 1, c)
    }
}

def main() {
    window(640, 560)
    let level = 0
    let frames = 0
    while is_open() {
        clear()
        sierpinski(320, 20, 20, 540, 620, 540, level, color(240, 200, 60))
        present()
        frames += 1
        # present() shows 60 frames a second.
        if frames % 60 == 0 and level < 7 {
            level += 1
        }
    }
}
