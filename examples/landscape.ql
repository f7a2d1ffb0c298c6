# A still picture with every shape: rectangles, circles, triangles and
# lines made of thin triangles, outlined with draw and solid with fill. The
# picture is drawn again each frame until the window is closed or Escape is
# pressed.
def picture() {
    clear()
    # Sky and ground.
    fill(rect(0, 0, 640, 300), color(110, 170, 230))
    fill(rect(0, 300, 640, 180), color(60, 140, 60))
    # The sun with a ring around it.
    fill(circle(540, 80, 40), color(255, 220, 0))
    draw(circle(540, 80, 52), color(255, 240, 120))
    # A house: walls, roof, door and two windows.
    fill(rect(120, 220, 200, 140), color(200, 160, 110))
    draw(rect(120, 220, 200, 140), color(90, 60, 30))
    fill(triangle(100, 220, 340, 220, 220, 130), color(170, 40, 40))
    draw(triangle(100, 220, 340, 220, 220, 130), color(90, 20, 20))
    fill(rect(200, 290, 40, 70), color(110, 70, 40))
    fill(rect(140, 250, 40, 30), color(230, 240, 255))
    fill(rect(260, 250, 40, 30), color(230, 240, 255))
    # A tree: trunk and three layers of leaves.
    fill(rect(455, 290, 20, 70), color(100, 70, 40))
    fill(triangle(420, 300, 510, 300, 465, 230), color(30, 110, 40))
    fill(triangle(430, 260, 500, 260, 465, 200), color(40, 130, 50))
    fill(triangle(440, 225, 490, 225, 465, 175), color(50, 150, 60))
    # A path, as the outline of a flat triangle.
    draw(triangle(220, 360, 200, 480, 240, 480), color(230, 210, 160))
    # Flowers: a filled centre in an outlined ring.
    for i in 0..6 {
        let x = 40 + i * 100
        draw(circle(x, 420, 9), color(255, 255, 255))
        fill(circle(x, 420, 4), color(250, 200, 0))
    }
}

def main() {
    window(640, 480)
    while is_open() {
        picture()
        present()
    }
}
