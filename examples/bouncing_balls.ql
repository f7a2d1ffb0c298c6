# Bouncing balls: an animation. Each frame clears the window, moves every
# ball, bounces it off the edges, paints it and presents the frame. Close
# the window or press Escape to stop.

# A whole number from lo to hi, inclusive.
def pick(lo, hi) {
    return lo + floor(random() * pow(hi - lo + 1, 1.0))
}

# A ball is a dict; moving one makes a new dict, since only plain names can
# be assigned.
def new_ball(width, height) {
    let r = pick(8, 25)
    return {
        x: pick(r, width - r - 1),
        y: pick(r, height - r - 1),
        dx: pick(1, 4) * (pick(0, 1) * 2 - 1),
        dy: pick(1, 4) * (pick(0, 1) * 2 - 1),
        r: r,
        paint: color(pick(60, 255), pick(60, 255), pick(60, 255))
    }
}

def moved(ball, width, height) {
    let dx = ball.dx
    let dy = ball.dy
    if ball.x + dx - ball.r < 0 or ball.x + dx + ball.r >= width { dx = 0 - dx }
    if ball.y + dy - ball.r < 0 or ball.y + dy + ball.r >= height { dy = 0 - dy }
    return {x: ball.x + dx, y: ball.y + dy, dx: dx, dy: dy, r: ball.r, paint: ball.paint}
}

def main() {
    window(640, 480)
    if not is_open() {
        print("No window could be opened.")
        return;
    }
    let width = window_width()
    let height = window_height()
    let balls = []
    for i in 0..12 {
        balls = push(balls, new_ball(width, height))
    }
    let white = color(255, 255, 255)
    let frames = 0
    while is_open() {
        clear()
        let next = []
        for ball in balls {
            fill(circle(ball.x, ball.y, ball.r), ball.paint)
            draw(circle(ball.x, ball.y, ball.r), white)
            next = push(next, moved(ball, width, height))
        }
        balls = next
        draw(rect(0, 0, width, height), color(90, 90, 90))
        present()
        frames += 1
    }
    print(concat("Shown ", frames, " frames."))
}
