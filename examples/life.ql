# Conway's game of life on a 40 by 30 grid that wraps around at its edges.
# A live cell with two or three live neighbours lives on, a dead cell with
# exactly three comes alive, every other cell is dead in the next
# generation. There is no element assignment, so each generation is built
# as a new array of new rows with push. Ten generations a second; Escape or
# the close button ends it.
let width = 40
let height = 30
let size = 16

# A grid where about one cell in four is alive.
def random_grid() {
    let grid = []
    for y in 0..height {
        let row = []
        for x in 0..width {
            let cell = 0
            if random() < 0.25 { cell = 1 }
            row = push(row, cell)
        }
        grid = push(grid, row)
    }
    return grid
}

# The live cells among the eight around (x, y), across the edges too.
def neighbours(grid, x, y) {
    let n = 0
    for dy in 0..3 {
        for dx in 0..3 {
            if dx != 1 or dy != 1 {
                n += grid[(y + dy + height - 1) % height][(x + dx + width - 1) % width]
            }
        }
    }
    return n
}

def next_generation(grid) {
    let next = []
    for y in 0..height {
        let row = []
        for x in 0..width {
            let n = neighbours(grid, x, y)
            let cell = 0
            if n == 3 or (n == 2 and grid[y][x] == 1) { cell = 1 }
            row = push(row, cell)
        }
        next = push(next, row)
    }
    return next
}

def show(grid) {
    clear()
    let alive = color(120, 220, 120)
    for y in 0..height {
        for x in 0..width {
            if grid[y][x] == 1 {
                fill(rect(x * size + 1, y * size + 1, size - 2, size - 2), alive)
            }
        }
    }
    present()
}

def main() {
    window(width * size, height * size)
    let grid = random_grid()
    let frames = 0
    while is_open() {
        show(grid)
        frames += 1
        # Six frames of 1/60 s each per generation.
        if frames % 6 == 0 { grid = next_generation(grid) }
    }
}
