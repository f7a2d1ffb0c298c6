# The sample script examples/quiz.ql scores answers without regard to case;
# the end of the input answers the rest with nothing.
# args: ../../examples/quiz.ql
# stdin: 42
# stdin: JUPITER
# stdin: four
# expect: A quiz of four questions.
# expect: What is 6 times 7? Right!
# expect: Which planet is the largest? Right!
# expect: How many sides has a triangle? Not quite: it is 3.
# expect: What colour do red and blue make? Not quite: it is purple.
# expect: You scored 2 of 4.
