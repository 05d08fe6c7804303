counted + 1
