# A small quiz at the keyboard: each question is asked with input, the
# answer is compared without regard to case (lower on both sides), and the
# score is kept in a variable the questions add to. A question list is an
# array of [question, answer] pairs, read with [0] and [1].
def ask(question, answer) {
    let reply = lower(input(concat(question, " ")))
    if reply == lower(answer) {
        print("Right!")
        return 1
    }
    print(concat("Not quite: it is ", answer, "."))
    return 0
}

def main() {
    let questions = [
        ["What is 6 times 7?", "42"],
        ["Which planet is the largest?", "Jupiter"],
        ["How many sides has a triangle?", "3"],
        ["What colour do red and blue make?", "purple"],
    ]
    print("A quiz of four questions.")
    let score = 0
    for q in questions {
        score += ask(q[0], q[1])
    }
    print(concat("You scored ", score, " of ", len(questions), "."))
}
