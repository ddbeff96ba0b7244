// Stand-in for the program in the install layout test: does nothing.
int main() { return 0; }
