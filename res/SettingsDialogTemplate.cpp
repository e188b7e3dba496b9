// stub, replaced by its real content
