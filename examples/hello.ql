# A first Quillo script.
def main() {
    print("Hello from Quillo!")
}
