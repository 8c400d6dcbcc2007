-- SchemaKit sample database: a small trading company.
-- Plain SQL that SQLite and PostgreSQL both accept; one statement per ';' at a line end.

CREATE TABLE regions (
    region_id INTEGER PRIMARY KEY,
    name VARCHAR(40) NOT NULL
);

CREATE TABLE employees (
    employee_id INTEGER PRIMARY KEY,
    last_name VARCHAR(40) NOT NULL,
    first_name VARCHAR(40) NOT NULL,
    title VARCHAR(60),
    hire_date DATE,
    reports_to INTEGER REFERENCES employees (employee_id),
    region_id INTEGER REFERENCES regions (region_id)
);

CREATE TABLE customers (
    customer_id INTEGER PRIMARY KEY,
    company_name VARCHAR(80) NOT NULL,
    contact_name VARCHAR(60),
    city VARCHAR(40),
    country VARCHAR(40),
    phone VARCHAR(24),
    region_id INTEGER REFERENCES regions (region_id)
);

CREATE TABLE suppliers (
    supplier_id INTEGER PRIMARY KEY,
    company_name VARCHAR(80) NOT NULL,
    contact_name VARCHAR(60),
    city VARCHAR(40),
    country VARCHAR(40)
);

CREATE TABLE categories (
    category_id INTEGER PRIMARY KEY,
    name VARCHAR(40) NOT NULL,
    description TEXT
);

CREATE TABLE products (
    product_id INTEGER PRIMARY KEY,
    name VARCHAR(80) NOT NULL,
    supplier_id INTEGER REFERENCES suppliers (supplier_id),
    category_id INTEGER REFERENCES categories (category_id),
    unit_price DECIMAL(10, 2) NOT NULL,
    units_in_stock INTEGER NOT NULL,
    discontinued INTEGER NOT NULL
);

CREATE TABLE shippers (
    shipper_id INTEGER PRIMARY KEY,
    company_name VARCHAR(80) NOT NULL,
    phone VARCHAR(24)
);

CREATE TABLE orders (
    order_id INTEGER PRIMARY KEY,
    customer_id INTEGER NOT NULL REFERENCES customers (customer_id),
    employee_id INTEGER REFERENCES employees (employee_id),
    order_date DATE NOT NULL,
    shipped_date DATE,
    shipper_id INTEGER REFERENCES shippers (shipper_id),
    freight DECIMAL(10, 2)
);

CREATE TABLE order_items (
    order_id INTEGER NOT NULL REFERENCES orders (order_id),
    product_id INTEGER NOT NULL REFERENCES products (product_id),
    unit_price DECIMAL(10, 2) NOT NULL,
    quantity INTEGER NOT NULL,
    discount DECIMAL(4, 2) NOT NULL,
    PRIMARY KEY (order_id, product_id)
);

CREATE TABLE payments (
    payment_id INTEGER PRIMARY KEY,
    order_id INTEGER NOT NULL REFERENCES orders (order_id),
    paid_on DATE NOT NULL,
    amount DECIMAL(10, 2) NOT NULL,
    method VARCHAR(20) NOT NULL
);

INSERT INTO regions VALUES (1, 'North'), (2, 'South'), (3, 'East'), (4, 'West');

INSERT INTO employees VALUES
    (1, 'Fuller', 'Andrew', 'Vice President, Sales', '2019-08-14', NULL, 1),
    (2, 'Davolio', 'Nancy', 'Sales Representative', '2020-05-01', 1, 1),
    (3, 'Leverling', 'Janet', 'Sales Representative', '2021-04-01', 1, 3),
    (4, 'Peacock', 'Margaret', 'Sales Representative', '2021-05-03', 1, 2),
    (5, 'Buchanan', 'Steven', 'Sales Manager', '2022-10-17', 1, 4);

INSERT INTO customers VALUES
    (1, 'Alfreds Futterkiste', 'Maria Anders', 'Berlin', 'Germany', '030-0074321', 1),
    (2, 'Ana Trujillo Emparedados', 'Ana Trujillo', 'Mexico City', 'Mexico', '(5) 555-4729', 2),
    (3, 'Around the Horn', 'Thomas Hardy', 'London', 'UK', '(171) 555-7788', 1),
    (4, 'Berglunds snabbkoep', 'Christina Berglund', 'Lulea', 'Sweden', '0921-12 34 65', 1),
    (5, 'Blondel pere et fils', 'Frederique Citeaux', 'Strasbourg', 'France', '88.60.15.31', 3),
    (6, 'Bottom-Dollar Markets', 'Elizabeth Lincoln', 'Tsawassen', 'Canada', '(604) 555-4729', 4);

INSERT INTO suppliers VALUES
    (1, 'Exotic Liquids', 'Charlotte Cooper', 'London', 'UK'),
    (2, 'New Orleans Cajun Delights', 'Shelley Burke', 'New Orleans', 'USA'),
    (3, 'Tokyo Traders', 'Yoshi Nagase', 'Tokyo', 'Japan'),
    (4, 'Pavlova Ltd.', 'Ian Devling', 'Melbourne', 'Australia');

INSERT INTO categories VALUES
    (1, 'Beverages', 'Soft drinks, coffees, teas, beers, and ales'),
    (2, 'Condiments', 'Sweet and savory sauces, relishes, spreads, and seasonings'),
    (3, 'Seafood', 'Seaweed and fish'),
    (4, 'Confections', 'Desserts, candies, and sweet breads');

INSERT INTO products VALUES
    (1, 'Chai', 1, 1, 18.00, 39, 0),
    (2, 'Chang', 1, 1, 19.00, 17, 0),
    (3, 'Aniseed Syrup', 1, 2, 10.00, 13, 0),
    (4, 'Chef Anton''s Cajun Seasoning', 2, 2, 22.00, 53, 0),
    (5, 'Ikura', 3, 3, 31.00, 31, 0),
    (6, 'Pavlova', 4, 4, 17.45, 29, 0),
    (7, 'Vegie-spread', 4, 2, 43.90, 24, 1);

INSERT INTO shippers VALUES
    (1, 'Speedy Express', '(503) 555-9831'),
    (2, 'United Package', '(503) 555-3199'),
    (3, 'Federal Shipping', '(503) 555-9931');

INSERT INTO orders VALUES
    (10248, 5, 5, '2024-07-04', '2024-07-16', 3, 32.38),
    (10249, 3, 2, '2024-07-05', '2024-07-10', 1, 11.61),
    (10250, 1, 4, '2024-07-08', '2024-07-12', 2, 65.83),
    (10251, 2, 3, '2024-07-08', '2024-07-15', 1, 41.34),
    (10252, 4, 4, '2024-07-09', NULL, 2, 51.30),
    (10253, 6, 3, '2024-07-10', '2024-07-16', 2, 58.17);

INSERT INTO order_items VALUES
    (10248, 1, 14.00, 12, 0.00),
    (10248, 5, 24.80, 10, 0.00),
    (10249, 2, 15.20, 9, 0.00),
    (10249, 4, 17.60, 40, 0.00),
    (10250, 3, 8.00, 10, 0.15),
    (10250, 6, 13.90, 35, 0.15),
    (10251, 7, 35.10, 6, 0.05),
    (10252, 1, 14.40, 40, 0.05),
    (10252, 5, 24.80, 25, 0.05),
    (10253, 2, 15.20, 20, 0.00),
    (10253, 6, 13.90, 42, 0.00);

INSERT INTO payments VALUES
    (1, 10248, '2024-07-20', 440.00, 'card'),
    (2, 10249, '2024-07-12', 1863.40, 'transfer'),
    (3, 10250, '2024-07-15', 552.60, 'card'),
    (4, 10251, '2024-07-18', 200.07, 'cash'),
    (5, 10253, '2024-07-25', 1444.80, 'transfer');
