demo
