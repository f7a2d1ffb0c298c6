# An analogue clock face that starts at ten past ten and keeps time by its
# frames: present() shows 60 frames a second, so 60 frames are one second.
# The language has no sine or cosine, so they are computed here by their
# Taylor series; integers become floats with pow(n, 1), and floats become
# whole pixels with round. Escape or the close button ends it.
let pi = 3.141592653589793
let centre = 200

# The sine of an angle in radians: the series x - x^3/3! + x^5/5! - ...,
# after bringing the angle within -pi to pi, where ten terms are plenty.
def sine(a) {
    while a > pi { a = a - 2.0 * pi }
    while a < -pi { a = a + 2.0 * pi }
    let term = a
    let sum = a
    for k in 1..10 {
        term = -term * a * a / pow(2 * k, 1) / pow(2 * k + 1, 1)
        sum = sum + term
    }
    return sum
}

def cosine(a) {
    return sine(a + pi / 2.0)
}

# The point `length` pixels from the centre at `turn` of a full turn
# clockwise from twelve o'clock.
def point_x(turn, length) {
    return centre + round(length * sine(2.0 * pi * turn))
}
def point_y(turn, length) {
    return centre - round(length * cosine(2.0 * pi * turn))
}

# A hand: a thin filled triangle from a base across the centre to its tip.
def hand(turn, length, width, c) {
    let tip_x = point_x(turn, length)
    let tip_y = point_y(turn, length)
    let side_x = point_x(turn + 0.25, width) - centre
    let side_y = point_y(turn + 0.25, width) - centre
    fill(triangle(centre + side_x, centre + side_y, centre - side_x, centre - side_y, tip_x, tip_y), c)
}

def face() {
    fill(circle(centre, centre, 180), color(245, 240, 225))
    draw(circle(centre, centre, 180), color(60, 60, 60))
    for h in 0..12 {
        let turn = pow(h, 1) / 12.0
        fill(circle(point_x(turn, 160.0), point_y(turn, 160.0), 6), color(60, 60, 60))
    }
}

def main() {
    window(2 * centre, 2 * centre)
    # Seconds since midnight at ten past ten.
    let start = 10 * 3600 + 10 * 60
    let frames = 0
    while is_open() {
        let seconds = start + frames / 60
        clear()
        face()
        hand(pow(seconds % 43200, 1) / 43200.0, 90.0, 6.0, color(30, 30, 30))
        hand(pow(seconds % 3600, 1) / 3600.0, 140.0, 4.0, color(30, 30, 30))
        hand(pow(seconds % 60, 1) / 60.0, 150.0, 1.0, color(200, 30, 30))
        fill(circle(centre, centre, 5), color(200, 30, 30))
        present()
        frames += 1
    }
}
